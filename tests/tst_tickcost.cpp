// What one poll tick costs, counted exactly: register accesses, repaints and image
// decodes. The timing figures live in the benchmark (bench/), not here.

#include "BoardFixture.h"
#include "TestPrinting.h"

#include <functional>

namespace {

constexpr int TICKS = 40;

QStringList Names(const auto& pins)
{
    QStringList names;
    for (int pin : pins)
        names << QStringLiteral("pin%1").arg(pin);
    return names;
}

// One register changing behind the program's back, each time the other way.
struct Change {
    const char* name;
    QStringList repainted;
    std::function<void(SimulatedChip&, LineDriver&, int)> flip;
};

const Change CHANGES[] = {
    {"data", Names(DATA_PINS),
     [](SimulatedChip& chip, LineDriver&, int) { chip.Write(DATA_REGISTER, chip.DataLatch() ^ 0x81); }},
    {"status", Names(STATUS_PINS), [](SimulatedChip&, LineDriver& line, int tick) { line.SetLevel(10, tick % 2); }},
    {"control", Names(CONTROL_PINS),
     [](SimulatedChip& chip, LineDriver&, int) { chip.Write(CONTROL_REGISTER, chip.ControlRegister() ^ 0x01); }},
};

std::vector<PortAccess> TickReads(SimulatedChip& chip)
{
    return {R(0x379, chip.Read(STATUS_REGISTER)), R(0x37A, chip.Read(CONTROL_REGISTER)),
            R(0x378, chip.Read(DATA_REGISTER))};
}

// Whatever showing the window left to draw is drawn now, before anything is counted.
void Settle(BoardFixture& f)
{
    QCoreApplication::processEvents();
    f.port.ClearLog();
}

// A tick as the event loop runs it, with any repaint it only asked for (update())
// done too; posted events only, so that the poll timer cannot add a tick of its own.
void Tick(BoardFixture& f)
{
    f.Board().OnTimer(POLL_TIMER_ID);
    QCoreApplication::sendPostedEvents();
}

} // namespace

class TestTickCost : public QObject {
    Q_OBJECT
private slots:
    void quietTickReadsThreeRegistersAndDrawsNothing()
    {
        BoardFixture f; // with the loopback plug, as a bare --simulate
        Settle(f);
        const std::vector<PortAccess> reads = TickReads(f.Chip());
        const int loads = PinImages::LoadCount();
        PaintCounter paints;

        for (int tick = 0; tick < TICKS; ++tick) {
            Tick(f);
            QCOMPARE(f.port.Log(), reads);
            f.port.ClearLog();
        }

        QCOMPARE(paints.painted, QStringList());
        QCOMPARE(PinImages::LoadCount(), loads);
    }

    void changedRegisterRepaintsOnlyItsOwnPins_data()
    {
        QTest::addColumn<int>("change");
        for (int i = 0; i < int(std::size(CHANGES)); ++i)
            QTest::newRow(CHANGES[i].name) << i;
    }
    void changedRegisterRepaintsOnlyItsOwnPins()
    {
        QFETCH(int, change);
        const Change& c = CHANGES[change];
        BoardFixture f("378:ps2");
        auto line = std::make_shared<LineDriver>();
        f.Chip().Attach(line);
        // Both ways once, so that each image the change shows has been decoded.
        for (int tick = 0; tick < 2; ++tick) {
            c.flip(f.Chip(), *line, tick);
            f.Board().OnTimer(POLL_TIMER_ID);
        }
        Settle(f);
        const int loads = PinImages::LoadCount();
        PaintCounter paints;

        for (int tick = 0; tick < TICKS; ++tick) {
            c.flip(f.Chip(), *line, tick);
            const std::vector<PortAccess> reads = TickReads(f.Chip());
            Tick(f);
            QCOMPARE(f.port.Log(), reads);
            // Each of the register's discs once; the connector and all else never.
            QCOMPARE(paints.painted, c.repainted);
            f.port.ClearLog();
            paints.Clear();
        }

        QCOMPARE(PinImages::LoadCount(), loads);
    }
};

QTEST_MAIN(TestTickCost)
#include "tst_tickcost.moc"
