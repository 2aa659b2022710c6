#pragma once

#include <QBasicTimer>
#include <QObject>
#include <QTimerEvent>

// The poll's timer lives on an object of its own: events sent to the main window pass
// every event filter installed on it (the menu bars install theirs), twenty times a
// second for as long as the program runs.
template <typename Receiver>
class PollTimer final : public QObject {
public:
    explicit PollTimer(Receiver* receiver)
        : m_receiver(receiver)
    {
    }

    void Start(int intervalMs) { m_timer.start(intervalMs, this); }
    void Stop() { m_timer.stop(); }
    bool IsActive() const { return m_timer.isActive(); }

protected:
    void timerEvent(QTimerEvent* event) override { m_receiver->OnTimer(event->timerId()); }

private:
    Receiver* m_receiver;
    QBasicTimer m_timer;
};
