// What Kelvaro costs while it runs: the poll tick in process, then the whole
// program against a bare Qt dialog (the floor) and one with its menu bar. Prints one
// line per figure with its goal; exits with 1 if any goal is missed. See README.md.

#include "ProcessCost.h"
#include "Report.h"
#include "TickCost.h"

#include <QApplication>
#include <QByteArray>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

struct Options {
    int ticks = 20000;
    bool processes = true;
    ProcessSettings process;
};

[[noreturn]] void Usage(int status = 2)
{
    std::fputs("usage: kelvaro_bench [--ticks N] [--rounds N] [--seconds S] [--starts N] [--ticks-only]\n"
               "  --ticks N     poll ticks per tick figure (at least 10000; default 20000)\n"
               "  --rounds N    idle rounds, each starting the programs afresh (default 6)\n"
               "  --seconds S   measured idle seconds per program and round (default 5)\n"
               "  --starts N    start-up runs per program (default 9)\n"
               "  --ticks-only  skip the runs of the whole program\n",
               status == 0 ? stdout : stderr);
    std::exit(status);
}

Options ParseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        auto number = [&] {
            if (!value)
                Usage();
            ++i;
            return std::atof(value);
        };
        if (!std::strcmp(arg, "--ticks"))
            options.ticks = static_cast<int>(number());
        else if (!std::strcmp(arg, "--rounds"))
            options.process.idleRounds = static_cast<int>(number());
        else if (!std::strcmp(arg, "--seconds"))
            options.process.idleSeconds = number();
        else if (!std::strcmp(arg, "--starts"))
            options.process.startRuns = static_cast<int>(number());
        else if (!std::strcmp(arg, "--ticks-only"))
            options.processes = false;
        else if (!std::strcmp(arg, "--help"))
            Usage(0);
        else
            Usage();
    }
    if (options.ticks < 10000 || options.process.idleRounds < 1 || options.process.idleSeconds <= 0
        || options.process.startRuns < 1)
        Usage();
    return options;
}

// "AMD EPYC, 2 processors, Qt 6.4.2": what the figures came from.
void PrintMachine()
{
    std::string model = "unknown processor";
    if (std::FILE* info = std::fopen("/proc/cpuinfo", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, info)) {
            if (const char* colon = std::strchr(line, ':'); colon && !std::strncmp(line, "model name", 10)) {
                model = colon + 2;
                model.erase(model.find_last_not_of("\n") + 1);
                break;
            }
        }
        std::fclose(info);
    }
    std::printf("# %s, %ld processors, Qt %s\n", model.c_str(), sysconf(_SC_NPROCESSORS_ONLN), qVersion());
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = ParseOptions(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    PrintMachine();
    std::vector<ReportRow> rows;
    std::printf("%-38s %-34s %-16s\n", "figure", "measured", "goal");
    for (TickKind kind : {TickKind::Quiet, TickKind::DataChanged}) {
        for (const ReportRow& row : TickRows(kind, MeasureTicks(kind, options.ticks))) {
            PrintRow(row);
            rows.push_back(row);
        }
    }

    if (options.processes) {
        ProcessSettings settings = options.process;
        settings.probeDir = KELVARO_PROBE_DIR;
        const std::vector<Contender> contenders = {
            {KELVARO_PROGRAM, {"--simulate"}, true},
            {KELVARO_FLOOR, {}, true},
            {KELVARO_FLOOR, {"--menu-bar"}, true},
        };
        const std::vector<ProcessFigures> f = MeasureProcesses(contenders, settings);
        for (const ReportRow& row : ProcessRows(f[0], f[1], f[2])) {
            PrintRow(row);
            rows.push_back(row);
        }
    }

    for (const ReportRow& row : rows) {
        if (row.verdict == ReportRow::Missed)
            return 1;
    }
    return 0;
}
