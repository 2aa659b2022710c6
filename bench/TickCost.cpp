#include "TickCost.h"

#include "pins/CBitmapButton.h"
#include "pins/PinImages.h"
#include "port/PortDiscovery.h"
#include "port/RecordingPort.h"
#include "port/SimulationConfig.h"
#include "ui/CPinBoardDlg.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTest>

#include <ctime>

namespace {

// Only data bits 5 to 7 flip: pins 7 to 9 have no loopback wire, so the status
// register stays as it is and the tick changes the data register alone.
constexpr std::uint8_t DATA_LOW = 0x00;
constexpr std::uint8_t DATA_HIGH = 0xE0;
constexpr int WARM_UP_TICKS = 4;

class PaintCounter final : public QObject {
public:
    explicit PaintCounter(const QWidget* canvas)
        : m_canvas(canvas)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~PaintCounter() override { QCoreApplication::instance()->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            if (qobject_cast<CBitmapButton*>(watched))
                ++pins;
            else if (watched == m_canvas)
                ++canvas;
            else
                ++other;
        }
        return false;
    }

    long pins = 0;
    long canvas = 0;
    long other = 0;

private:
    const QWidget* m_canvas;
};

double CpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The machine of a bare "--simulate", discovered as start-up does it.
struct SimulatedMachine {
    SimulatedBus bus;
    RecordingPort recorder{bus, false};
    SimulatedChip* chip = nullptr;

    SimulatedMachine()
    {
        BuildSimulatedBus(bus, ParseSimulatedPorts(DEFAULT_SIMULATION).ports);
        ResetPortState();
        SetPortBackend(&bus);
        DiscoverPorts();
        g_portBase = g_portList[0];
        DisablePortInterrupt(g_portBase);
        chip = bus.ChipAt(g_portBase);
    }
    ~SimulatedMachine() { SetPortBackend(nullptr); }
};

// With posted events delivered after each tick, a repaint the tick only asked for
// (update()) is painted and counted too.
void RunTicks(CPinBoardDlg& board, SimulatedChip& chip, TickKind kind, int ticks, bool deliverPosted)
{
    for (int i = 0; i < ticks; ++i) {
        if (kind == TickKind::DataChanged)
            chip.Write(DATA_REGISTER, (i & 1) != 0 ? DATA_LOW : DATA_HIGH);
        board.OnTimer(POLL_TIMER_ID);
        if (deliverPosted)
            QCoreApplication::sendPostedEvents();
    }
}

} // namespace

TickFigures MeasureTicks(TickKind kind, int ticks)
{
    SimulatedMachine machine;
    CPinBoardDlg board;
    board.show();
    if (!QTest::qWaitForWindowExposed(&board))
        qFatal("the main window was never exposed");
    // Whatever showing the window left to paint is painted now, not in a tick.
    QCoreApplication::processEvents();
    RunTicks(board, *machine.chip, kind, WARM_UP_TICKS, true);

    TickFigures figures;
    const double perTick = 1.0 / ticks;
    {
        PaintCounter paints(board.ClientArea());
        SetPortBackend(&machine.recorder);
        machine.recorder.Clear();
        const int loadsBefore = PinImages::LoadCount();
        RunTicks(board, *machine.chip, kind, ticks, true);
        figures.accesses = static_cast<double>(machine.recorder.Count()) * perTick;
        figures.imageLoads = (PinImages::LoadCount() - loadsBefore) * perTick;
        figures.pinPaints = static_cast<double>(paints.pins) * perTick;
        figures.canvasPaints = static_cast<double>(paints.canvas) * perTick;
        figures.otherPaints = static_cast<double>(paints.other) * perTick;
        SetPortBackend(&machine.bus);
    }

    const double start = CpuSeconds();
    RunTicks(board, *machine.chip, kind, ticks, false);
    figures.cpuMicroseconds = (CpuSeconds() - start) * 1e6 * perTick;
    return figures;
}

std::vector<ReportRow> TickRows(TickKind kind, const TickFigures& f)
{
    const bool quiet = kind == TickKind::Quiet;
    const std::string name = quiet ? "quiet tick: " : "data tick: ";
    return {
        Exactly(name + "port accesses", f.accesses, 3),
        quiet ? Exactly(name + "pin repaints", f.pinPaints, 0) : AtMost(name + "pin repaints", f.pinPaints, 8),
        Exactly(name + "connector repaints", f.canvasPaints, 0),
        Exactly(name + "other widget repaints", f.otherPaints, 0),
        Exactly(name + "image loads", f.imageLoads, 0),
        {name + "CPU time", Format("%.3g us /tick", f.cpuMicroseconds), {}, ReportRow::Info},
    };
}
