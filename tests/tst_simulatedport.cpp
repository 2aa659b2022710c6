#include "PortFixture.h"

#include <QTest>

namespace {

std::uint8_t Data(SimulatedChip& chip) { return chip.Read(DATA_REGISTER); }
std::uint8_t Status(SimulatedChip& chip) { return chip.Read(STATUS_REGISTER); }

} // namespace

class TestSimulatedPort : public QObject {
    Q_OBJECT
private slots:
    // Which control values turn the data lines around, per kind of chip.
    void dataDirection_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("control");
        QTest::addColumn<bool>("input");
        const int spp = int(SimChipKind::OutputOnly), ps2 = int(SimChipKind::Bit5Direction),
                  bit6 = int(SimChipKind::Bit6Direction);
        QTest::newRow("spp, bit 5") << spp << 0x20 << false;
        QTest::newRow("spp, bit 6") << spp << 0x40 << false;
        QTest::newRow("ps2, clear") << ps2 << 0x0C << false;
        QTest::newRow("ps2, bit 5") << ps2 << 0x2C << true;
        QTest::newRow("ps2, bit 6") << ps2 << 0x4C << false;
        QTest::newRow("bit6, bit 6") << bit6 << 0x40 << true;
        QTest::newRow("bit6, bits 5 and 6") << bit6 << 0x60 << false;
        QTest::newRow("bit6, bit 5") << bit6 << 0x20 << false;
    }
    void dataDirection()
    {
        QFETCH(int, kind);
        QFETCH(int, control);
        QFETCH(bool, input);
        SimulatedChip chip(static_cast<SimChipKind>(kind));
        chip.Write(DATA_REGISTER, 0x3C);
        chip.Write(CONTROL_REGISTER, static_cast<std::uint8_t>(control));
        QCOMPARE(chip.DataLinesAreInputs(), input);
        // In input nothing drives the lines, so the pull-ups win; in output the latch reads back.
        QCOMPARE(Data(chip), std::uint8_t(input ? 0xFF : 0x3C));
        QCOMPARE(chip.Read(CONTROL_REGISTER), std::uint8_t(control));
    }

    void inputReadsTheLevelsOutside()
    {
        SimulatedChip chip(SimChipKind::Bit5Direction);
        auto driver = std::make_shared<LineDriver>();
        chip.Attach(driver);
        driver->DriveDataLines(0xA5);
        chip.Write(DATA_REGISTER, 0x00);
        QCOMPARE(Data(chip), std::uint8_t{0x00}); // output: the port wins
        chip.Write(CONTROL_REGISTER, 0x20);
        QCOMPARE(Data(chip), std::uint8_t{0xA5});
        driver->Release(2);
        QCOMPARE(Data(chip), std::uint8_t{0xA5}); // pin 2 floats high: bit 0 stays 1
        driver->SetLevel(9, false);
        QCOMPARE(Data(chip), std::uint8_t{0x25});
    }

    void statusShowsThePinsWithBit7Inverted()
    {
        SimulatedChip chip(SimChipKind::OutputOnly);
        QCOMPARE(Status(chip), std::uint8_t{0x7F}); // nothing attached: inputs float high
        auto driver = std::make_shared<LineDriver>();
        chip.Attach(driver);
        for (int pin : {10, 11, 12, 13, 15})
            driver->SetLevel(pin, false);
        QCOMPARE(Status(chip), std::uint8_t{0x87});
        chip.SetStatusFlagBits(0x00);
        QCOMPARE(Status(chip), std::uint8_t{0x80});
        driver->SetLevel(11, true);
        QCOMPARE(Status(chip), std::uint8_t{0x00});
    }

    void loopbackPlugWiresDataToStatus_data()
    {
        QTest::addColumn<int>("data");
        QTest::addColumn<int>("status");
        // Data bits 0..4 (pins 2..6) reach status bits 3, 4, 5, 6 and inverted 7.
        QTest::newRow("all low") << 0x00 << 0x87;
        QTest::newRow("all high") << 0x1F << 0x7F;
        QTest::newRow("pin 2 -> 15") << 0x01 << 0x8F;
        QTest::newRow("pin 3 -> 13") << 0x02 << 0x97;
        QTest::newRow("pin 4 -> 12") << 0x04 << 0xA7;
        QTest::newRow("pin 5 -> 10") << 0x08 << 0xC7;
        QTest::newRow("pin 6 -> 11") << 0x10 << 0x07;
        QTest::newRow("pins 7-9 unwired") << 0xE0 << 0x87;
    }
    void loopbackPlugWiresDataToStatus()
    {
        QFETCH(int, data);
        QFETCH(int, status);
        SimulatedChip chip(SimChipKind::Bit5Direction);
        chip.Attach(std::make_shared<LoopbackPlug>());
        chip.Write(DATA_REGISTER, static_cast<std::uint8_t>(data));
        QCOMPARE(Status(chip), std::uint8_t(status));
    }

    void controlPinsFollowTheirInverters()
    {
        SimulatedChip chip(SimChipKind::OutputOnly);
        chip.Write(CONTROL_REGISTER, 0x00);
        const PinLevels low = chip.Lines();
        QVERIFY(low & PinBit(1));
        QVERIFY(low & PinBit(14));
        QVERIFY(!(low & PinBit(16)));
        QVERIFY(low & PinBit(17));
        chip.Write(CONTROL_REGISTER, 0x0F);
        const PinLevels high = chip.Lines();
        QVERIFY(!(high & PinBit(1)));
        QVERIFY(!(high & PinBit(14)));
        QVERIFY(high & PinBit(16));
        QVERIFY(!(high & PinBit(17)));
    }

    void emptyAddressesReadOnesAndDropWrites()
    {
        SimulatedBus bus;
        bus.AddChip(0x278, SimChipKind::OutputOnly);
        bus.Out(0x378, 0x00);
        bus.Out(0x27B, 0x00);
        QCOMPARE(bus.In(0x378), std::uint8_t{0xFF});
        QCOMPARE(bus.In(0x27B), std::uint8_t{0xFF});
        bus.Out(0x27A, 0x04);
        QCOMPARE(bus.In(0x27A), std::uint8_t{0x04});
        bus.Out(0x279, 0x00); // status is read-only
        QCOMPARE(bus.In(0x279), std::uint8_t{0x7F});
    }
};

QTEST_APPLESS_MAIN(TestSimulatedPort)
#include "tst_simulatedport.moc"
