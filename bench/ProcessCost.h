#pragma once

#include "Report.h"

#include <string>
#include <vector>

// A program as the benchmark starts it.
struct Contender {
    std::string program;
    std::vector<std::string> arguments;
    bool idle = true; // also measured polling idle
};

struct ProcessSettings {
    int idleRounds = 6;       // each starts the idle contenders afresh, in another order
    double idleSeconds = 5;   // measured per contender and round, after the settle time
    double turnSeconds = 0.5; // in turns this long, one contender running at a time
    double settleSeconds = 1; // start-up is over by then
    int startRuns = 9;        // start-up runs per contender, in rotating order
    const char* probeDir = nullptr;
};

struct ProcessFigures {
    double idleCpuMs = 0;    // CPU time over all idle rounds
    double idleSeconds = 0;  // wall time those rounds were measured over
    double startupMs = 0;    // median, spawn to first exposed window
    double peakKiB = 0;      // median VmHWM at the end of an idle round
    bool ok = true;
};

// Measures the contenders under the same conditions. Returns their figures in order.
std::vector<ProcessFigures> MeasureProcesses(const std::vector<Contender>& contenders,
                                             const ProcessSettings& settings);

// The program against the floor, with goals; start-up and memory also against the floor
// with a menu bar, which is what a miss against the bare floor is judged by.
std::vector<ReportRow> ProcessRows(const ProcessFigures& ours, const ProcessFigures& floor,
                                   const ProcessFigures& menuFloor);
