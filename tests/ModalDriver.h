#pragma once

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

// Runs a step on the next modal window that opens, from inside its own event loop.
template <typename Window>
void WhenModalOpens(std::function<void(Window*)> step)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, step] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (!window || !window->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        step(window);
    });
    poll->start();
}

// The push button showing this text in a window.
inline QPushButton* Button(QWidget* window, const QString& text)
{
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->text().remove(QLatin1Char('&')) == text)
            return button;
    }
    return nullptr;
}

inline void ClickButton(QWidget* window, const QString& text)
{
    QPushButton* button = Button(window, text);
    QVERIFY2(button, qPrintable(text));
    QTest::mouseClick(button, Qt::LeftButton);
}
