#include "ui/MainMenu.h"

#include "res/ResourceIds.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

struct MenuItem {
    const char* popup;
    const char* text;
    int id;
    bool enabled;
};

// In bar order; Help goes to the right end of the bar.
constexpr MenuItem MENU_ITEMS[] = {
    {"&File", "E&xit", ID_APP_EXIT, true},
    {"&Bidirectional", "Check for &bidirectional mode support", ID_BIDIR_TEST, true},
    {"&Bidirectional", "&In/Out", ID_BIDIR_INOUT, false},
    {"&Options", "Change &parallel port", ID_OPTIONS_PORT, true},
    {"&Options", "Show/Hide pins &numbers", ID_OPTIONS_PINNUMBERS, true},
    {"&Help", "&Contents", ID_HELP_CONTENTS, true},
    {"&Help", "&About Kelvaro", ID_HELP_ABOUT, true},
};

constexpr const char* RIGHT_HAND_POPUP = "&Help";

} // namespace

MainMenu::MainMenu(QWidget* window, std::function<void(int)> onCommand)
    : m_bar(new QMenuBar(window))
{
    // A second bar in the right-hand corner keeps Help apart from the others.
    auto* rightBar = new QMenuBar(m_bar);
    m_bar->setCornerWidget(rightBar, Qt::TopRightCorner);

    QMenu* popup = nullptr;
    const char* popupTitle = nullptr;
    for (const MenuItem& item : MENU_ITEMS) {
        if (!popupTitle || qstrcmp(popupTitle, item.popup) != 0) {
            popupTitle = item.popup;
            QMenuBar* bar = qstrcmp(item.popup, RIGHT_HAND_POPUP) == 0 ? rightBar : m_bar;
            popup = bar->addMenu(QString::fromLatin1(item.popup));
        }
        QAction* action = popup->addAction(QString::fromLatin1(item.text));
        action->setEnabled(item.enabled);
        const int id = item.id;
        QObject::connect(action, &QAction::triggered, window, [onCommand, id] { onCommand(id); });
        m_actions.insert(id, action);
    }
}

void MainMenu::EnableMenuItem(int id, bool enabled)
{
    if (QAction* action = m_actions.value(id))
        action->setEnabled(enabled);
}
