// Loaded into a program by Qt itself (QT_QPA_GENERIC_PLUGINS=kelvaroexposeprobe:FD,
// QT_PLUGIN_PATH naming the plugin folder). Once the program's first window has been
// exposed and that expose handled, writes CLOCK_MONOTONIC in nanoseconds to the
// file descriptor FD and closes it.

#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QMetaObject>
#include <QWindow>

#include <ctime>
#include <unistd.h>

#include <cstdio>

namespace {

class ExposeWatch final : public QObject {
public:
    explicit ExposeWatch(int fd)
        : m_fd(fd)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_fd >= 0 && event->type() == QEvent::Expose && qobject_cast<QWindow*>(watched)) {
            // Queued, so that the window's first paint and flush are done by then.
            QMetaObject::invokeMethod(this, [this] { Report(); }, Qt::QueuedConnection);
            QCoreApplication::instance()->removeEventFilter(this);
        }
        return false;
    }

private:
    void Report()
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        char line[32];
        const int length = std::snprintf(line, sizeof line, "%lld\n",
                                         static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        if (write(m_fd, line, static_cast<size_t>(length)) < 0) {
            // The benchmark has gone; nothing to tell.
        }
        close(m_fd);
        m_fd = -1;
    }

    int m_fd;
};

} // namespace

class ExposeProbe final : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "probe.json")
public:
    QObject* create(const QString&, const QString& argument) override
    {
        bool ok = false;
        const int fd = argument.toInt(&ok);
        return ok ? new ExposeWatch(fd) : nullptr;
    }
};

#include "ExposeProbe.moc"
