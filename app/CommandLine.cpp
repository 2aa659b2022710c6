#include "app/CommandLine.h"

#include <QCommandLineParser>

namespace {

// Options the toolkit itself takes from the command line; not ours to warn about.
const char* const TOOLKIT_OPTIONS_WITH_VALUE[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "display", "style", "stylesheet",
    "geometry", "qwindowgeometry", "qwindowtitle", "qwindowicon", "session", "name", "title",
};
const char* const TOOLKIT_FLAGS[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

const QString SIMULATE = QStringLiteral("simulate");

} // namespace

LaunchOptions ParseCommandLine(const QStringList& arguments)
{
    LaunchOptions options;

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Shows the level of every pin of a PC parallel port and lets you drive its outputs."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption simulate(
        SIMULATE,
        QStringLiteral("Use simulated ports instead of the real I/O ports. PORTS is a comma-separated list of "
                       "ADDRESS[:KIND][+loopback]: ADDRESS 378, 278 or 3BC; KIND spp (output only), ps2 "
                       "(data lines turn to input with control bit 5, the default) or bit6 (with bit 6); "
                       "+loopback plugs in a loopback plug (pins 2-6 to 15, 13, 12, 10, 11). "
                       "--simulate alone means %1; --simulate=none is a machine without a port.")
            .arg(QString::fromLatin1(DEFAULT_SIMULATION.data(), DEFAULT_SIMULATION.size())),
        QStringLiteral("PORTS"));
    parser.addOption(simulate);
    const QCommandLineOption trace(QStringLiteral("trace"),
                                   QStringLiteral("Print every register access to standard error as it happens."));
    parser.addOption(trace);
    for (const char* name : TOOLKIT_OPTIONS_WITH_VALUE) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : TOOLKIT_FLAGS) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    // Read before any application object exists, so the parser cannot know our name.
    options.helpText = parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("kelvaro"));

    // "--simulate" may stand alone; the parser wants a value, so give it the default.
    QStringList args = arguments;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--simulate") || args[i] == QLatin1String("-simulate"))
            args[i] = QStringLiteral("--simulate=") + QString::fromLatin1(DEFAULT_SIMULATION.data(),
                                                                          DEFAULT_SIMULATION.size());
    }

    if (!parser.parse(args)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty())
            options.warnings << QStringLiteral("ignoring: %1").arg(parser.errorText());
        for (const QString& name : unknown)
            options.warnings << QStringLiteral("ignoring unknown option '%1'").arg(name);
    }
    for (const QString& positional : parser.positionalArguments())
        options.warnings << QStringLiteral("ignoring argument '%1'").arg(positional);

    options.showHelp = parser.isSet(help);
    options.showVersion = parser.isSet(version);
    options.trace = parser.isSet(trace);
    if (parser.isSet(simulate)) {
        const QByteArray value = parser.values(simulate).constLast().toUtf8();
        const SimulationParse ports = ParseSimulatedPorts(std::string_view(value.constData(), value.size()));
        if (!ports.ok) {
            options.error = QStringLiteral("--simulate: %1").arg(QString::fromStdString(ports.error));
            return options;
        }
        options.simulate = true;
        options.simulatedPorts = ports.ports;
    }
    return options;
}
