#include "ProcessCost.h"

#include "ChildProcess.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <sched.h>
#include <thread>
#include <utility>

namespace {

constexpr int FIRST_WINDOW_TIMEOUT_MS = 20000;

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

void Sleep(double seconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

struct Samples {
    std::vector<double> startupMs;
    std::vector<double> peakKiB;
    double idleCpuSeconds = 0;
    double idleSeconds = 0;
    bool ok = true;
};

struct Run {
    const Contender* who;
    Samples* samples;
};

void Fail(const Run& run, const char* what)
{
    std::fprintf(stderr, "%s %s\n", run.who->program.c_str(), what);
    run.samples->ok = false;
}

// Children inherit it. Two processors of one machine can differ a lot in what else
// runs on them (other guests on a virtual one), so all programs share one.
class PinnedToOneProcessor {
public:
    PinnedToOneProcessor()
    {
        m_saved = sched_getaffinity(0, sizeof m_before, &m_before) == 0;
        int last = -1;
        for (int cpu = 0; m_saved && cpu < CPU_SETSIZE; ++cpu) {
            if (CPU_ISSET(cpu, &m_before))
                last = cpu;
        }
        cpu_set_t one;
        CPU_ZERO(&one);
        CPU_SET(last, &one);
        if (last >= 0)
            sched_setaffinity(0, sizeof one, &one);
    }
    ~PinnedToOneProcessor()
    {
        if (m_saved)
            sched_setaffinity(0, sizeof m_before, &m_before);
    }

private:
    cpu_set_t m_before;
    bool m_saved = false;
};

void StartRun(const Run& run, const ProcessSettings& settings)
{
    ChildProcess child(run.who->program, run.who->arguments, settings.probeDir);
    const double ms = child.WaitForFirstWindow(FIRST_WINDOW_TIMEOUT_MS);
    if (ms < 0)
        return Fail(run, "showed no window");
    run.samples->startupMs.push_back(ms);
}

// The programs are started and left to settle, then run in turns of a fraction of a
// second while the others are held stopped: each polls alone, and whatever else the
// machine does weighs on all alike.
void IdleRound(const std::vector<Run>& runs, const ProcessSettings& settings)
{
    std::vector<std::unique_ptr<ChildProcess>> children;
    for (const Run& run : runs)
        children.push_back(std::make_unique<ChildProcess>(run.who->program, run.who->arguments));
    Sleep(settings.settleSeconds);
    for (auto& child : children)
        child->Pause();

    const int turns = std::max(1, static_cast<int>(settings.idleSeconds / settings.turnSeconds + 0.5));
    std::vector<double> cpu(runs.size());
    std::vector<double> wall(runs.size());
    std::vector<bool> gone(runs.size());
    for (int turn = 0; turn < turns; ++turn) {
        for (std::size_t k = 0; k < children.size(); ++k) {
            // A B, then B A: neither always follows the other.
            const std::size_t i = turn % 2 ? children.size() - 1 - k : k;
            const double before = children[i]->CpuSeconds();
            const std::int64_t wallBefore = MonotonicNs();
            children[i]->Resume();
            Sleep(settings.turnSeconds);
            children[i]->Pause();
            wall[i] += static_cast<double>(MonotonicNs() - wallBefore) * 1e-9;
            const double after = children[i]->CpuSeconds();
            gone[i] = gone[i] || before < 0 || after < 0;
            cpu[i] += after - before;
        }
    }
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const long peak = children[i]->PeakResidentKiB();
        if (gone[i] || peak < 0) {
            Fail(runs[i], "stopped early");
            continue;
        }
        runs[i].samples->idleCpuSeconds += cpu[i];
        runs[i].samples->idleSeconds += wall[i];
        runs[i].samples->peakKiB.push_back(static_cast<double>(peak));
    }
}

// Each round starts them in another order.
std::vector<Run> Rotated(std::vector<Run> runs, int round)
{
    if (!runs.empty())
        std::rotate(runs.begin(), runs.begin() + round % static_cast<int>(runs.size()), runs.end());
    return runs;
}

ProcessFigures Summary(const Samples& s)
{
    return {s.idleCpuSeconds * 1e3, s.idleSeconds, Median(s.startupMs), Median(s.peakKiB), s.ok};
}

double PerSecond(const ProcessFigures& f)
{
    return f.idleSeconds > 0 ? f.idleCpuMs / f.idleSeconds : 0;
}

} // namespace

std::vector<ProcessFigures> MeasureProcesses(const std::vector<Contender>& contenders,
                                             const ProcessSettings& settings)
{
    const PinnedToOneProcessor pinned;
    std::vector<Samples> samples(contenders.size());
    std::vector<Run> all;
    std::vector<Run> idle;
    for (std::size_t i = 0; i < contenders.size(); ++i) {
        all.push_back({&contenders[i], &samples[i]});
        if (contenders[i].idle)
            idle.push_back(all.back());
    }

    for (int round = 0; round < settings.startRuns; ++round) {
        for (const Run& run : Rotated(all, round)) {
            if (run.samples->ok) // one that never showed a window will not now
                StartRun(run, settings);
        }
    }
    for (int round = 0; round < settings.idleRounds && !idle.empty(); ++round)
        IdleRound(Rotated(idle, round), settings);

    std::vector<ProcessFigures> figures;
    for (const Samples& s : samples)
        figures.push_back(Summary(s));
    return figures;
}

std::vector<ReportRow> ProcessRows(const ProcessFigures& ours, const ProcessFigures& floor,
                                   const ProcessFigures& menuFloor)
{
    constexpr double START_AND_MEMORY_LIMIT = 1.2;
    ReportRow startup = RatioAtMost("start-up to first shown window", ours.startupMs, floor.startupMs, "ms",
                                    START_AND_MEMORY_LIMIT);
    ReportRow memory = RatioAtMost("peak resident memory", ours.peakKiB / 1024, floor.peakKiB / 1024, "MiB",
                                   START_AND_MEMORY_LIMIT);
    ReportRow startupVsMenu = RatioAtMost("  start-up, vs floor with menu bar", ours.startupMs, menuFloor.startupMs,
                                          "ms", START_AND_MEMORY_LIMIT);
    ReportRow memoryVsMenu = RatioAtMost("  peak memory, vs floor with menu bar", ours.peakKiB / 1024,
                                         menuFloor.peakKiB / 1024, "MiB", START_AND_MEMORY_LIMIT);
    // The bare floor draws no text; the main window must. Over the bare floor but within
    // the goal against the floor with the same menu bar, the excess is the text's.
    for (auto [bare, withMenu] : {std::pair{&startup, &startupVsMenu}, std::pair{&memory, &memoryVsMenu}}) {
        if (bare->verdict == ReportRow::Missed && withMenu->verdict == ReportRow::Met)
            bare->verdict = ReportRow::OverForText;
    }
    std::vector<ReportRow> rows = {
        RatioAtMost(Format("idle CPU (%.0f s polling each)", ours.idleSeconds), PerSecond(ours), PerSecond(floor),
                    "ms/s", 1.1),
        startup,
        startupVsMenu,
        memory,
        memoryVsMenu,
        Ratio("  idle CPU, vs floor with menu bar", PerSecond(ours), PerSecond(menuFloor), "ms/s"),
    };
    if (!ours.ok || !floor.ok || !menuFloor.ok) {
        for (ReportRow& row : rows)
            row.verdict = ReportRow::Missed;
    }
    return rows;
}
