#pragma once

#include <QHash>
#include <functional>

class QAction;
class QMenuBar;
class QWidget;

// The main window's menu bar, built from one table; every item is a command id.
class MainMenu {
public:
    MainMenu(QWidget* window, std::function<void(int)> onCommand);

    QMenuBar* Bar() const { return m_bar; }
    QAction* Action(int id) const { return m_actions.value(id); }
    void EnableMenuItem(int id, bool enabled);

private:
    QMenuBar* m_bar;
    QHash<int, QAction*> m_actions;
};
