#include "PortFixture.h"
#include "TestPrinting.h"

#include <QTest>

class TestPortAccess : public QObject {
    Q_OBJECT
private slots:
    void testBit_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("bit");
        QTest::addColumn<bool>("expected");
        QTest::newRow("bit 7 of 0x80") << 0x80 << 7 << true;
        QTest::newRow("bit 7 of 0x7F") << 0x7F << 7 << false;
        QTest::newRow("bit 0 of 0x01") << 0x01 << 0 << true;
        QTest::newRow("bit 0 of 0xFE") << 0xFE << 0 << false;
        QTest::newRow("bit 4 of 0x10") << 0x10 << 4 << true;
    }
    void testBit()
    {
        QFETCH(int, value);
        QFETCH(int, bit);
        QFETCH(bool, expected);
        QCOMPARE(TestBit(static_cast<std::uint8_t>(value), bit), expected);
    }

    void everyCallIsOneAccessInOrder()
    {
        PortFixture f("378:spp");
        WritePortByte(0x378, 0x5A);
        QCOMPARE(ReadPortByte(0x378), std::uint8_t{0x5A});
        QCOMPARE(ReadPortByte(0x37A), std::uint8_t{0x0C});
        QCOMPARE(f.Log(), (std::vector<PortAccess>{W(0x378, 0x5A), R(0x378, 0x5A), R(0x37A, 0x0C)}));
    }

    void disablePortInterrupt_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("written");
        QTest::newRow("all set") << 0xFF << 0xEF;
        QTest::newRow("already clear") << 0x04 << 0x04;
        QTest::newRow("only bit 4") << 0x10 << 0x00;
    }
    void disablePortInterrupt()
    {
        QFETCH(int, before);
        QFETCH(int, written);
        PortFixture f("3bc:spp");
        f.Chip(0x3BC).Write(CONTROL_REGISTER, static_cast<std::uint8_t>(before));
        g_controlShadow = 0x21;
        g_dataShadow = 0x22;
        g_statusShadow = 0x23;

        DisablePortInterrupt(0x3BC);

        QCOMPARE(f.Log(), (std::vector<PortAccess>{R(0x3BE, static_cast<std::uint8_t>(before)),
                                                   W(0x3BE, static_cast<std::uint8_t>(written))}));
        QCOMPARE(g_controlShadow, std::uint8_t{0x21});
        QCOMPARE(g_dataShadow, std::uint8_t{0x22});
        QCOMPARE(g_statusShadow, std::uint8_t{0x23});
    }

    void shadowsStartAtZero()
    {
        PortFixture f("378");
        QCOMPARE(g_dataShadow, std::uint8_t{0});
        QCOMPARE(g_statusShadow, std::uint8_t{0});
        QCOMPARE(g_controlShadow, std::uint8_t{0});
    }

    void noBackendMeansAnEmptyBus()
    {
        SetPortBackend(nullptr);
        WritePortByte(0x378, 0x00);
        QCOMPARE(ReadPortByte(0x378), std::uint8_t{0xFF});
    }

    void traceFormat()
    {
        QCOMPARE(FormatAccess(R(0x379, 0x7F)), std::string("read  0x379 -> 0x7F"));
        QCOMPARE(FormatAccess(W(0x3BE, 0x0C)), std::string("write 0x3BE <- 0x0C"));
    }
};

QTEST_APPLESS_MAIN(TestPortAccess)
#include "tst_portaccess.moc"
