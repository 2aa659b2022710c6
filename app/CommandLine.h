#pragma once

#include "port/SimulationConfig.h"

#include <QString>
#include <QStringList>

struct LaunchOptions {
    bool simulate = false;
    std::vector<SimulatedPortSetup> simulatedPorts;
    bool trace = false;
    bool showHelp = false;
    bool showVersion = false;
    QStringList warnings; // arguments that were ignored, one line each
    QString error;        // a command line that must not start the program
    QString helpText;
};

// Reads the program's arguments without any display or port being touched.
// Qt's own options (-platform, -style, ...) are let through to the toolkit.
LaunchOptions ParseCommandLine(const QStringList& arguments);
