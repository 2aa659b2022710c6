#pragma once

#include "PortFixture.h"
#include "pins/CBitmapButton.h"
#include "pins/PinImages.h"
#include "pins/PinMap.h"
#include "res/ResourceIds.h"
#include "ui/CPinBoardDlg.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <memory>

// Counts paint events per widget, in the order they are delivered.
class PaintCounter : public QObject {
public:
    PaintCounter() { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }

    QStringList painted; // object names
    void Clear() { painted.clear(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted << (watched->objectName().isEmpty() ? QString::fromLatin1(watched->metaObject()->className()) : watched->objectName());
        return false;
    }
};

// The main window open on a simulated machine, as start-up leaves it.
struct BoardFixture {
    PortFixture port;
    std::unique_ptr<CPinBoardDlg> board;

    explicit BoardFixture(std::string_view ports = DEFAULT_SIMULATION, bool show = true)
        : port(ports)
    {
        port.Discover();
        if (g_portCount > 0)
            DisablePortInterrupt(g_portBase);
        g_showPinNumbers = 0;
        board = std::make_unique<CPinBoardDlg>();
        if (show) {
            board->show();
            QVERIFY(QTest::qWaitForWindowExposed(board.get()));
            port.ClearLog();
        }
    }

    SimulatedChip& Chip() { return port.Chip(g_portBase); }
    CPinBoardDlg& Board() { return *board; }

    // The image id a signal pin's disc shows, or 0 when it shows none of them.
    int ShownImage(int pin) const
    {
        const QPixmap* image = board->SignalWidget(pin)->Image();
        for (int id : {IDB_DATA_LOW, IDB_DATA_HIGH, IDB_STATUS_LOW, IDB_STATUS_HIGH, IDB_CONTROL_LOW, IDB_CONTROL_HIGH}) {
            if (image == &PinImages::Get(id))
                return id;
        }
        return 0;
    }

    // The level a signal pin's disc shows: 0, 1, or -1 for a wrong image.
    int ShownLevel(int pin) const
    {
        const PinInfo& info = PinAt(pin);
        const int image = ShownImage(pin);
        return image == info.highImage ? 1 : image == info.lowImage ? 0 : -1;
    }

    QList<int> ShownLevels(const QList<int>& pins) const
    {
        QList<int> levels;
        for (int pin : pins)
            levels << ShownLevel(pin);
        return levels;
    }

    void Click(int pin) { QTest::mouseClick(board->SignalWidget(pin), Qt::LeftButton); }
};
