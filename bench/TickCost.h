#pragma once

#include "Report.h"

#include <vector>

// The real main window on a simulated port, its poll tick driven directly.
enum class TickKind {
    Quiet,       // nothing on the port changes
    DataChanged, // the data latch flips between two values before every tick
};

struct TickFigures {
    double accesses = 0;     // port accesses per tick
    double pinPaints = 0;    // paint events on pin buttons per tick
    double canvasPaints = 0; // on the client area with the connector picture
    double otherPaints = 0;  // on any other widget
    double imageLoads = 0;   // image decodes per tick
    double cpuMicroseconds = 0;
};

// Counts over one pass of ticks, then times a second pass with nothing listening.
// Needs a QApplication on the offscreen platform.
TickFigures MeasureTicks(TickKind kind, int ticks);

// The figures as report lines, each with its goal.
std::vector<ReportRow> TickRows(TickKind kind, const TickFigures& figures);
