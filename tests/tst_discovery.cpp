#include "PortFixture.h"
#include "TestPrinting.h"

#include <QTest>

namespace {

// Data lines that can be pulled low but never rise: the 0x00 read-back passes,
// the 0xFF one fails.
class StuckLowBus final : public PortBackend {
public:
    explicit StuckLowBus(PortAddress base) : m_base(base) {}
    std::uint8_t In(PortAddress address) override { return address == m_base ? 0x00 : 0xFF; }
    void Out(PortAddress address, std::uint8_t value) override
    {
        if (address == m_base)
            lastWritten = value;
    }
    std::uint8_t lastWritten = 0;

private:
    PortAddress m_base;
};

std::vector<PortAccess> AccessesAt(const std::vector<PortAccess>& log, PortAddress address)
{
    std::vector<PortAccess> at;
    for (const PortAccess& access : log) {
        if (access.address == address)
            at.push_back(access);
    }
    return at;
}

std::vector<PortAddress> Table()
{
    return {g_portList, g_portList + g_portCount};
}

} // namespace

class TestDiscovery : public QObject {
    Q_OBJECT
private slots:
    void tableAndCurrentPort_data()
    {
        QTest::addColumn<QString>("machine");
        QTest::addColumn<std::vector<PortAddress>>("table");
        QTest::newRow("all three") << "3bc,278,378" << std::vector<PortAddress>{0x378, 0x278, 0x3BC};
        QTest::newRow("278 and 3BC") << "3BC:spp,0x278" << std::vector<PortAddress>{0x278, 0x3BC};
        QTest::newRow("3BC alone") << "3bc:bit6" << std::vector<PortAddress>{0x3BC};
        QTest::newRow("378 and 3BC") << "378:spp,3bc:spp" << std::vector<PortAddress>{0x378, 0x3BC};
        QTest::newRow("none") << "none" << std::vector<PortAddress>{};
    }
    void tableAndCurrentPort()
    {
        QFETCH(QString, machine);
        QFETCH(std::vector<PortAddress>, table);
        PortFixture f(machine.toStdString());
        QVERIFY(g_portList == nullptr);

        DiscoverPorts();

        QVERIFY(g_portList != nullptr);
        QCOMPARE(Table(), table);
        // Every candidate is probed, whatever came before.
        for (PortAddress candidate : PORT_CANDIDATES)
            QVERIFY(!AccessesAt(f.Log(), candidate).empty());
        QCOMPARE(g_portBase, PortAddress{0}); // choosing the current port is start-up's
    }

    void acceptedPortGetsItsDataBack()
    {
        PortFixture f("378:spp");
        f.Chip(0x378).Write(DATA_REGISTER, 0x5A);

        DiscoverPorts();

        QCOMPARE(AccessesAt(f.Log(), 0x378), (std::vector<PortAccess>{R(0x378, 0x5A), W(0x378, 0x00), R(0x378, 0x00),
                                                                       W(0x378, 0xFF), R(0x378, 0xFF), W(0x378, 0x5A)}));
        QCOMPARE(f.Chip(0x378).DataLatch(), std::uint8_t{0x5A});
        // Only the data register of a candidate is ever touched.
        QVERIFY(AccessesAt(f.Log(), 0x379).empty());
        QVERIFY(AccessesAt(f.Log(), 0x37A).empty());
    }

    void emptyAddressFailsAtTheZeroReadBack()
    {
        PortFixture f("none");
        DiscoverPorts();
        QCOMPARE(g_portCount, std::uint8_t{0});
        for (PortAddress candidate : PORT_CANDIDATES)
            QCOMPARE(AccessesAt(f.Log(), candidate),
                     (std::vector<PortAccess>{R(candidate, 0xFF), W(candidate, 0x00), R(candidate, 0xFF)}));
    }

    void linesThatCannotRiseFailAtTheOnesReadBack()
    {
        StuckLowBus stuck(0x278);
        RecordingPort recorder(stuck);
        ResetPortState();
        SetPortBackend(&recorder);

        DiscoverPorts();
        SetPortBackend(nullptr);

        QCOMPARE(g_portCount, std::uint8_t{0});
        QCOMPARE(AccessesAt(recorder.Accesses(), 0x278),
                 (std::vector<PortAccess>{R(0x278, 0x00), W(0x278, 0x00), R(0x278, 0x00), W(0x278, 0xFF),
                                          R(0x278, 0x00)}));
        QCOMPARE(stuck.lastWritten, std::uint8_t{0xFF}); // a rejected port is not restored
    }

    void aBidirectionalPortInInputIsNotAPort()
    {
        // Lines turned to input read what is outside, not what was written.
        PortFixture f("378:ps2");
        f.Chip(0x378).Write(CONTROL_REGISTER, 0x20);
        DiscoverPorts();
        QCOMPARE(g_portCount, std::uint8_t{0});
    }
};

QTEST_APPLESS_MAIN(TestDiscovery)
#include "tst_discovery.moc"
