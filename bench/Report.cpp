#include "Report.h"

#include <cstdarg>
#include <cstdio>

std::string Format(const char* format, ...)
{
    char text[160];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

ReportRow Exactly(std::string figure, double perTick, double goal)
{
    return {std::move(figure), Format("%g /tick", perTick), Format("= %g", goal),
            perTick == goal ? ReportRow::Met : ReportRow::Missed};
}

ReportRow AtMost(std::string figure, double perTick, double limit)
{
    return {std::move(figure), Format("%g /tick", perTick), Format("<= %g", limit),
            perTick <= limit ? ReportRow::Met : ReportRow::Missed};
}

ReportRow Ratio(std::string figure, double ours, double floor, const char* unit)
{
    const double ratio = floor > 0 ? ours / floor : 0;
    return {std::move(figure), Format("%.2fx (%.4g vs %.4g %s)", ratio, ours, floor, unit), {}, ReportRow::Info};
}

ReportRow RatioAtMost(std::string figure, double ours, double floor, const char* unit, double limit)
{
    ReportRow row = Ratio(std::move(figure), ours, floor, unit);
    row.goal = Format("<= %.1fx floor", limit);
    row.verdict = floor > 0 && ours <= limit * floor ? ReportRow::Met : ReportRow::Missed;
    return row;
}

void PrintRow(const ReportRow& row)
{
    static const char* const VERDICTS[] = {"met", "MISSED", "", "over: text (docs/benchmark.md)"};
    std::printf("%-38s %-34s %-16s %s\n", row.figure.c_str(), row.measured.c_str(), row.goal.c_str(),
                VERDICTS[row.verdict]);
    std::fflush(stdout);
}
