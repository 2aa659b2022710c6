#pragma once

#include "PortFixture.h"
#include "res/ResourceIds.h"
#include "ui/CPinBoardDlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QLabel>
#include <QStyle>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <memory>

// Acts on the first modal dialog of type T that opens while it watches, once it is the
// active window. The action runs inside that dialog's exec(), as a person's keys and
// clicks would, and must end the dialog: one it leaves open is ended with -1, so that
// the test fails instead of hanging. Gives up waiting after a while.
template <typename T>
class ModalWatch {
public:
    explicit ModalWatch(std::function<void(T*)> action)
        : m_action(std::move(action))
        , m_deadline(10000)
    {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            if (dialog && dialog->isActiveWindow()) {
                m_timer.stop();
                ++m_seen;
                m_action(dialog);
                if (dialog->isVisible())
                    dialog->done(-1);
            } else if (m_deadline.hasExpired()) {
                m_timer.stop();
            }
        });
        m_timer.start();
    }

    int Seen() const { return m_seen; }

private:
    QTimer m_timer;
    std::function<void(T*)> m_action;
    QDeadlineTimer m_deadline;
    int m_seen = 0;
};

// The window manager's close box: a close request to the window, where the window
// system delivers it.
inline void PressCloseBox(QWidget* window)
{
    QCloseEvent event;
    QApplication::sendEvent(window->windowHandle(), &event);
}

// Names of the dialog's texts, buttons and pictures that would not show whole: cut by
// their own box, or sticking out of the dialog.
inline QStringList ClippedItems(const QWidget& dialog)
{
    QStringList clipped;
    for (const QWidget* child : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        bool whole = dialog.rect().contains(child->geometry());
        if (const auto* label = qobject_cast<const QLabel*>(child)) {
            const QSize need = label->wordWrap() ? QSize(label->width(), label->heightForWidth(label->width()))
                                                 : label->sizeHint();
            whole = whole && need.width() <= label->width() && need.height() <= label->height();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(child)) {
            const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
            const QFontMetrics metrics = button->fontMetrics();
            whole = whole && metrics.horizontalAdvance(button->text()) + 2 * margin <= button->width()
                    && metrics.height() + margin <= button->height();
        }
        if (!whole)
            clipped << child->objectName();
    }
    return clipped;
}

// What a person sees of the main window, in one line for readable comparisons.
inline QString BoardState(const CPinBoardDlg& board)
{
    QString menu;
    for (int id : {ID_APP_EXIT, ID_BIDIR_TEST, ID_BIDIR_INOUT, ID_OPTIONS_PORT, ID_OPTIONS_PINNUMBERS,
                   ID_HELP_CONTENTS, ID_HELP_ABOUT})
        menu += board.IsMenuItemEnabled(id) ? QLatin1Char('1') : QLatin1Char('0');
    return QString::asprintf("title '%s', menu %s, shadows %02X %02X %02X, mode %d, direction %d, %s",
                             qPrintable(board.windowTitle()), qPrintable(menu), g_dataShadow, g_statusShadow,
                             g_controlShadow, board.BidirMode(), board.InputDirection(),
                             board.isMinimized() ? "minimised" : board.isVisible() ? "shown" : "hidden");
}

// The main window open on a simulated machine, its first look at the port done.
struct Board {
    PortFixture f;
    std::unique_ptr<CPinBoardDlg> window;

    explicit Board(std::string_view ports = "378:ps2+loopback")
        : f(ports)
    {
        f.Discover();
        window = std::make_unique<CPinBoardDlg>();
        window->show();
        f.ClearLog();
    }

    std::vector<PortAccess> Writes() const
    {
        std::vector<PortAccess> writes;
        for (const PortAccess& access : f.Log())
            if (access.kind == PortAccess::Write)
                writes.push_back(access);
        return writes;
    }
};
