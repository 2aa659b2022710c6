// Renders the main window on a simulated port to PNG files, for the documentation:
//   kelvaro_screenshot DIR
// writes DIR/main-window.png and DIR/main-window-numbers.png.

#include "app/CPortApp.h"
#include "port/PortDiscovery.h"
#include "port/SimulationConfig.h"
#include "res/ResourceIds.h"
#include "ui/CPinBoardDlg.h"

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
    BuildSimulatedBus(bus, ParseSimulatedPorts("378:ps2+loopback").ports);
    SetPortBackend(&bus);
    // A few lines high, so that every colour shows both levels.
    bus.Out(0x378, 0x5A);
    bus.Out(0x37A, 0x05);

    int appArgc = 1;
    CPortApp app(appArgc, argv);
    // The same look as a real start.
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    QApplication::setPalette(palette);

    DiscoverPorts();
    g_portBase = g_portList[0];
    CPinBoardDlg board;
    board.show();
    QCoreApplication::processEvents();

    bool saved = board.grab().save(QDir(dir).filePath(QStringLiteral("main-window.png")));
    board.OnCommand(ID_OPTIONS_PINNUMBERS);
    QCoreApplication::processEvents();
    saved = board.grab().save(QDir(dir).filePath(QStringLiteral("main-window-numbers.png"))) && saved;
    SetPortBackend(nullptr);
    return saved ? 0 : 1;
}
