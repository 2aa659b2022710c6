#include "pins/PinMap.h"
#include "res/ResourceIds.h"

#include <QTest>

namespace {

// The levels shown by a register's pins, in their redraw order.
template <std::size_t N>
QList<int> Levels(const std::array<int, N>& pins, int value)
{
    QList<int> levels;
    for (int pin : pins)
        levels << ShownLevel(PinAt(pin), static_cast<std::uint8_t>(value));
    return levels;
}

} // namespace

class TestPinMap : public QObject {
    Q_OBJECT
private slots:
    void shownLevels_data()
    {
        QTest::addColumn<QString>("reg");
        QTest::addColumn<int>("value");
        QTest::addColumn<QList<int>>("levels");
        QTest::newRow("data 0xA5") << "data" << 0xA5 << QList<int>{1, 0, 1, 0, 0, 1, 0, 1};
        // Pins 10, 11, 12, 13, 15: pin 11 shows the complement of bit 7.
        QTest::newRow("status 0x00") << "status" << 0x00 << QList<int>{0, 1, 0, 0, 0};
        QTest::newRow("status 0xFF") << "status" << 0xFF << QList<int>{1, 0, 1, 1, 1};
        QTest::newRow("status 0x07") << "status" << 0x07 << QList<int>{0, 1, 0, 0, 0};
        QTest::newRow("status 0x48") << "status" << 0x48 << QList<int>{1, 1, 0, 0, 1};
        // Pins 1, 14, 16, 17: all but 16 inverted.
        QTest::newRow("control 0x00") << "control" << 0x00 << QList<int>{1, 1, 0, 1};
        QTest::newRow("control 0x0F") << "control" << 0x0F << QList<int>{0, 0, 1, 0};
        QTest::newRow("control 0xF0") << "control" << 0xF0 << QList<int>{1, 1, 0, 1};
        QTest::newRow("control 0x05") << "control" << 0x05 << QList<int>{0, 1, 1, 1};
    }
    void shownLevels()
    {
        QFETCH(QString, reg);
        QFETCH(int, value);
        QFETCH(QList<int>, levels);
        if (reg == QLatin1String("data"))
            QCOMPARE(Levels(DATA_PINS, value), levels);
        else if (reg == QLatin1String("status"))
            QCOMPARE(Levels(STATUS_PINS, value), levels);
        else
            QCOMPARE(Levels(CONTROL_PINS, value), levels);
    }

    void classifiers()
    {
        QList<int> data, status;
        for (int pin = -1; pin <= 27; ++pin) {
            if (IsDataPin(pin))
                data << pin;
            if (IsStatusPin(pin))
                status << pin;
            QVERIFY(IsDataPin(pin) == 0 || IsDataPin(pin) == 1);
        }
        QCOMPARE(data, (QList<int>{2, 3, 4, 5, 6, 7, 8, 9}));
        QCOMPARE(status, (QList<int>{10, 11, 12, 13, 15}));
    }

    // The table agrees with the classifiers and gives each register's pins its own
    // widgets and images.
    void tableIsConsistent()
    {
        QSet<int> outputSlots, statusSlots, groundSlots;
        for (const PinInfo& info : PIN_TABLE) {
            QCOMPARE(&PinAt(info.pin), &info);
            QCOMPARE(PinId(info.pin), 300 + info.pin);
            QCOMPARE(info.kind == PinKind::Data, IsDataPin(info.pin) == 1);
            QCOMPARE(info.kind == PinKind::Status, IsStatusPin(info.pin) == 1);
            QCOMPARE(info.kind == PinKind::Ground, info.pin >= 18);
            switch (info.kind) {
            case PinKind::Data:
                QCOMPARE(info.lowImage, int(IDB_DATA_LOW));
                QCOMPARE(info.highImage, int(IDB_DATA_HIGH));
                outputSlots << info.widgetIndex;
                break;
            case PinKind::Control:
                QCOMPARE(info.lowImage, int(IDB_CONTROL_LOW));
                QCOMPARE(info.highImage, int(IDB_CONTROL_HIGH));
                outputSlots << info.widgetIndex;
                break;
            case PinKind::Status:
                QCOMPARE(info.lowImage, int(IDB_STATUS_LOW));
                statusSlots << info.widgetIndex;
                break;
            case PinKind::Ground:
                QCOMPARE(info.lowImage, int(IDB_PIN_GROUND));
                groundSlots << info.widgetIndex;
                break;
            }
        }
        QCOMPARE(outputSlots.size(), OUTPUT_PIN_COUNT);
        QCOMPARE(statusSlots.size(), STATUS_PIN_COUNT);
        QCOMPARE(groundSlots.size(), GROUND_PIN_COUNT);
        // Output widgets in pin order 1..9, 14, 16, 17; status 10, 11, 12, 13, 15.
        QCOMPARE(PinAt(14).widgetIndex, 9);
        QCOMPARE(PinAt(17).widgetIndex, 11);
        QCOMPARE(PinAt(15).widgetIndex, 4);
    }
};

QTEST_APPLESS_MAIN(TestPinMap)
#include "tst_pinmap.moc"
