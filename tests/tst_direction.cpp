#include "PortFixture.h"
#include "TestPrinting.h"
#include "port/Bidirectional.h"

#include <QTest>

class TestDirection : public QObject {
    Q_OBJECT
private slots:
    // Each switch writes only the shadow, with bits 0-4 and 7 as it holds them.
    void sequences_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("shadow");
        QTest::addColumn<std::vector<PortAccess>>("enter");
        QTest::addColumn<std::vector<PortAccess>>("leave");
        using V = std::vector<PortAccess>;
        QTest::newRow("mode 1") << 1 << 0x8B << V{W(0x27A, 0xAB)} << V{W(0x27A, 0x8B)};
        QTest::newRow("mode 1, bit 6 kept") << 1 << 0x44 << V{W(0x27A, 0x64)} << V{W(0x27A, 0x44)};
        QTest::newRow("mode 2") << 2 << 0x9B << V{W(0x27A, 0xDB)} << V{W(0x27A, 0xBB), W(0x27A, 0x9B)};
        QTest::newRow("mode 2, bit 5 set before") << 2 << 0x25 << V{W(0x27A, 0x45)} << V{W(0x27A, 0x25), W(0x27A, 0x05)};
        QTest::newRow("no mode") << 0 << 0x0C << V{} << V{};
        QTest::newRow("unknown mode") << 3 << 0x0C << V{} << V{};
    }
    void sequences()
    {
        QFETCH(int, mode);
        QFETCH(int, shadow);
        QFETCH(std::vector<PortAccess>, enter);
        QFETCH(std::vector<PortAccess>, leave);
        PortFixture f("278:bit6");
        // The register is never read first, so what it holds does not matter.
        f.Chip(0x278).Write(CONTROL_REGISTER, 0xFF);
        g_controlShadow = static_cast<std::uint8_t>(shadow);

        EnterInputDirection(0x278, mode);
        QCOMPARE(f.Log(), enter);
        f.ClearLog();
        LeaveInputDirection(0x278, mode);
        QCOMPARE(f.Log(), leave);
        // Leaving always ends with both direction bits low for mode 2, bit 5 low for mode 1.
        if (mode == 2)
            QCOMPARE(g_controlShadow & 0x60, 0);
        if (mode == 1)
            QCOMPARE(g_controlShadow & 0x20, 0);
    }

    void switchingTurnsTheSimulatedLinesAround()
    {
        PortFixture f("378:bit6");
        SimulatedChip& chip = f.Chip(0x378);
        chip.Write(DATA_REGISTER, 0x12);
        g_controlShadow = chip.ControlRegister();
        EnterInputDirection(0x378, BIDIR_BIT6);
        QVERIFY(chip.DataLinesAreInputs());
        QCOMPARE(ReadPortByte(0x378), std::uint8_t{0xFF});
        LeaveInputDirection(0x378, BIDIR_BIT6);
        QVERIFY(!chip.DataLinesAreInputs());
        QCOMPARE(ReadPortByte(0x378), std::uint8_t{0x12});
    }
};

QTEST_APPLESS_MAIN(TestDirection)
#include "tst_direction.moc"
