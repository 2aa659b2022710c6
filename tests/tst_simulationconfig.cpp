#include "port/SimulationConfig.h"

#include <QTest>

Q_DECLARE_METATYPE(std::vector<SimulatedPortSetup>)

namespace {
constexpr SimChipKind SPP = SimChipKind::OutputOnly;
constexpr SimChipKind PS2 = SimChipKind::Bit5Direction;
constexpr SimChipKind BIT6 = SimChipKind::Bit6Direction;
} // namespace

class TestSimulationConfig : public QObject {
    Q_OBJECT
private slots:
    void accepted_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::vector<SimulatedPortSetup>>("ports");
        using V = std::vector<SimulatedPortSetup>;
        QTest::newRow("default") << QString::fromLatin1(DEFAULT_SIMULATION.data()) << V{{0x378, PS2, true}};
        QTest::newRow("kind defaults to ps2") << "278" << V{{0x278, PS2, false}};
        QTest::newRow("prefix and case") << "0x3bc:SPP" << V{{0x3BC, SPP, false}};
        QTest::newRow("list") << "378:spp, 278:bit6+loopback,3BC" << V{{0x378, SPP, false}, {0x278, BIT6, true}, {0x3BC, PS2, false}};
        QTest::newRow("none") << "none" << V{};
        QTest::newRow("None") << " None " << V{};
    }
    void accepted()
    {
        QFETCH(QString, text);
        QFETCH(std::vector<SimulatedPortSetup>, ports);
        const SimulationParse parsed = ParseSimulatedPorts(text.toStdString());
        QVERIFY2(parsed.ok, parsed.error.c_str());
        QVERIFY(parsed.ports == ports);
    }

    void rejected_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("named"); // the error names the bad part
        QTest::newRow("unknown kind") << "378:epp" << "'epp'";
        QTest::newRow("address outside the three") << "379" << "'379'";
        QTest::newRow("not a number") << "lpt1" << "'lpt1'";
        QTest::newRow("duplicate") << "378,0x378:spp" << "'0x378'";
        QTest::newRow("unknown device") << "378+dongle" << "'dongle'";
        QTest::newRow("empty entry") << "378,,278" << "empty";
        QTest::newRow("trailing comma") << "378," << "empty";
        QTest::newRow("empty") << "" << "no simulated port";
    }
    void rejected()
    {
        QFETCH(QString, text);
        QFETCH(QString, named);
        const SimulationParse parsed = ParseSimulatedPorts(text.toStdString());
        QVERIFY(!parsed.ok);
        QVERIFY(parsed.ports.empty());
        const QString error = QString::fromStdString(parsed.error);
        QVERIFY2(error.contains(named), qPrintable(error));
        QVERIFY(!error.contains(QLatin1Char('\n')));
    }

    void loopbackIsPluggedIntoItsPortOnly()
    {
        SimulatedBus bus;
        BuildSimulatedBus(bus, ParseSimulatedPorts("378+loopback,278").ports);
        bus.Out(0x378, 0x00);
        bus.Out(0x278, 0x00);
        QCOMPARE(bus.In(0x379), std::uint8_t{0x87});
        QCOMPARE(bus.In(0x279), std::uint8_t{0x7F});
    }
};

QTEST_APPLESS_MAIN(TestSimulationConfig)
#include "tst_simulationconfig.moc"
