#include "app/CPortApp.h"
#include "app/CommandLine.h"
#include "port/IoPortBackend.h"
#include "port/Privileges.h"
#include "port/RecordingPort.h"
#include "port/SimulatedPort.h"

#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <pwd.h>

namespace {

void PrintLine(std::FILE* stream, const QString& text)
{
    std::fprintf(stream, "kelvaro: %s\n", text.toLocal8Bit().constData());
}

// Under sudo HOME still names root's home, which the user we became cannot write.
void UseHomeOf(const UnprivilegedIdentity& user)
{
    const passwd* entry = getpwuid(user.uid);
    if (entry && entry->pw_dir && *entry->pw_dir)
        setenv("HOME", entry->pw_dir, 1);
}

// The window wakes twenty times a second for as long as it is open. Qt's own event
// loop does that with less than half the work of the GLib one, and nothing here
// needs GLib's: no GTK dialogs, no GLib-based libraries. QT_NO_GLIB set to empty
// brings it back.
void UseQtEventLoop()
{
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
}

bool DisplayAvailable()
{
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

// A person who started the program from a desktop menu sees no standard error.
void ShowStartupError(int& argc, char** argv, const QString& message)
{
    if (!DisplayAvailable())
        return;
    CPortApp app(argc, argv);
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Kelvaro"), message, QMessageBox::Ok);
    box.exec();
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const LaunchOptions options = ParseCommandLine(arguments);

    for (const QString& warning : options.warnings)
        PrintLine(stderr, warning);
    if (!options.error.isEmpty()) {
        PrintLine(stderr, options.error);
        return EXIT_BAD_COMMAND_LINE;
    }
    if (options.showHelp) {
        std::fputs(options.helpText.toLocal8Bit().constData(), stdout);
        return EXIT_CLOSED;
    }
    if (options.showVersion) {
        std::puts("kelvaro 0.11");
        return EXIT_CLOSED;
    }

    SimulatedBus simulatedBus;
    IoPortBackend ioPorts;
    PortBackend* backend = &simulatedBus;
    QString refusal;
    if (options.simulate) {
        BuildSimulatedBus(simulatedBus, options.simulatedPorts);
    } else {
        const PortPermissionResult permission = RequestPortPermission();
        if (permission.outcome == PortPermission::Granted)
            backend = &ioPorts;
        else
            refusal = QString::fromStdString(permission.message);
    }

    // The port permission, if any, is held; nothing else needs privileges, and the
    // display connection below must never be made with them.
    const UnprivilegedIdentity user = InvokingIdentity();
    std::string dropError;
    if (!DropPrivileges(user, dropError)) {
        PrintLine(stderr, QStringLiteral("could not give up privileges (%1); stopping.")
                              .arg(QString::fromStdString(dropError)));
        return EXIT_NO_PORT;
    }
    UseHomeOf(user);
    if (!refusal.isEmpty()) {
        PrintLine(stderr, refusal);
        ShowStartupError(argc, argv, refusal);
        return EXIT_NO_PORT;
    }

    RecordingPort tracer(*backend, false);
    if (options.trace) {
        tracer.SetListener([](const PortAccess& access) {
            std::fprintf(stderr, "%s\n", FormatAccess(access).c_str());
        });
        SetPortBackend(&tracer);
    } else {
        SetPortBackend(backend);
    }

    UseQtEventLoop();
    CPortApp theApp(argc, argv);
    theApp.InitInstance();
    SetPortBackend(nullptr);
    return theApp.ExitStatus();
}
