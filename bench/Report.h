#pragma once

#include <string>
#include <vector>

// One printed line: what was measured, the figure, and the goal it is held to.
struct ReportRow {
    // OverForText: over a goal set against the bare floor, but within it against the
    // floor that shows the same menu bar; what is over is the cost of drawing any text.
    enum Verdict { Met, Missed, Info, OverForText };
    std::string figure;
    std::string measured;
    std::string goal; // empty: a figure with no goal
    Verdict verdict = Info;
};

// Printf into a std::string, for the measured column.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

ReportRow Exactly(std::string figure, double perTick, double goal);
ReportRow AtMost(std::string figure, double perTick, double limit);
// A ratio to the floor, with both sides shown; with no goal, or at most limit.
ReportRow Ratio(std::string figure, double ours, double floor, const char* unit);
ReportRow RatioAtMost(std::string figure, double ours, double floor, const char* unit, double limit);

void PrintRow(const ReportRow& row);
