// Renders the main window on a simulated port to PNG files, for the documentation:
//   kelvaro_screenshot DIR
// writes DIR/main-window.png, DIR/main-window-numbers.png and one picture of each dialog.

#include "app/CAboutDlg.h"
#include "app/CPortApp.h"
#include "port/PortDiscovery.h"
#include "port/SimulationConfig.h"
#include "res/ResourceIds.h"
#include "ui/CBidirTestDlg.h"
#include "ui/CPinBoardDlg.h"
#include "ui/CPortSelectDlg.h"

#include <QDir>
#include <QPixmap>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString dir = QString::fromLocal8Bit(argv[1]);

    SimulatedBus bus;
    BuildSimulatedBus(bus, ParseSimulatedPorts("378:ps2+loopback,278:spp,3bc:bit6").ports);
    SetPortBackend(&bus);
    // A few lines high, so that every colour shows both levels.
    bus.Out(0x378, 0x5A);
    bus.Out(0x37A, 0x05);

    int appArgc = 1;
    CPortApp app(appArgc, argv);
    // The same look as a real start.
    app.SetDialogBkColor();

    DiscoverPorts();
    g_portBase = g_portList[0];
    CPinBoardDlg board;

    bool saved = true;
    auto save = [&](QWidget& window, const char* name) {
        window.show();
        QCoreApplication::processEvents();
        saved = window.grab().save(QDir(dir).filePath(QString::fromLatin1(name))) && saved;
    };
    save(board, "main-window.png");
    board.OnCommand(ID_OPTIONS_PINNUMBERS);
    save(board, "main-window-numbers.png");

    CBidirTestDlg test(&board);
    test.accept(); // "Start the test", so the result line shows
    save(test, "bidir-test-dialog.png");
    CPortSelectDlg ports(&board);
    save(ports, "port-dialog.png");
    CAboutDlg about(&board);
    save(about, "about-box.png");
    SetPortBackend(nullptr);
    return saved ? 0 : 1;
}
