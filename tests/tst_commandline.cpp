#include "app/CommandLine.h"

#include <QProcess>
#include <QTest>
#include <cerrno>
#include <sys/io.h>

namespace {

LaunchOptions Parse(const QStringList& arguments)
{
    return ParseCommandLine(QStringList{QStringLiteral("kelvaro")} + arguments);
}

struct Run {
    int exitCode;
    QString out;
    QStringList errLines;
};

// Runs the program with no display at all: nothing it does may need one.
Run RunProgram(const QStringList& arguments, int timeoutMs = 20000)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KELVARO_PROGRAM), arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {-1, {}, {QStringLiteral("did not end")}};
    }
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    QStringList lines = err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines.removeIf([](const QString& line) { return line.startsWith(QLatin1String("QStandardPaths:")); });
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()), lines};
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void noArgumentsMeansRealPorts()
    {
        const LaunchOptions options = Parse({});
        QVERIFY(!options.simulate);
        QVERIFY(!options.trace);
        QVERIFY(options.warnings.isEmpty());
        QVERIFY(options.error.isEmpty());
    }

    void simulate_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("ports");
        QTest::addColumn<bool>("loopbackOnFirst");
        QTest::newRow("bare") << QStringList{"--simulate"} << 1 << true;
        QTest::newRow("none") << QStringList{"--simulate=none"} << 0 << false;
        QTest::newRow("list") << QStringList{"--simulate=378:spp,3bc"} << 2 << false;
        QTest::newRow("last one counts") << QStringList{"--simulate", "--simulate=278"} << 1 << false;
    }
    void simulate()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, ports);
        QFETCH(bool, loopbackOnFirst);
        const LaunchOptions options = Parse(arguments);
        QVERIFY(options.simulate);
        QVERIFY(options.error.isEmpty());
        QCOMPARE(int(options.simulatedPorts.size()), ports);
        if (ports)
            QCOMPARE(options.simulatedPorts.front().loopback, loopbackOnFirst);
    }

    void warningsAndErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("warnings");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown option") << QStringList{"--frobnicate", "--trace"} << 1 << "";
        QTest::newRow("stray argument") << QStringList{"lpt1"} << 1 << "";
        QTest::newRow("toolkit options pass") << QStringList{"-platform", "offscreen", "-style", "fusion"} << 0 << "";
        QTest::newRow("bad kind") << QStringList{"--simulate=378:epp"} << 0 << "'epp'";
        QTest::newRow("bad address") << QStringList{"--simulate=0x3bd"} << 0 << "'0x3bd'";
        QTest::newRow("duplicate") << QStringList{"--simulate=378,378"} << 0 << "twice";
    }
    void warningsAndErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, warnings);
        QFETCH(QString, error);
        const LaunchOptions options = Parse(arguments);
        QCOMPARE(options.warnings.size(), warnings);
        if (error.isEmpty())
            QVERIFY(options.error.isEmpty());
        else
            QVERIFY2(options.error.contains(error), qPrintable(options.error));
        if (arguments.contains(QStringLiteral("--trace")))
            QVERIFY(options.trace); // an unknown option does not hide the rest
    }

    void malformedPortsEndBeforeAnything()
    {
        const Run run = RunProgram({QStringLiteral("--frobnicate"), QStringLiteral("--simulate=378:epp")});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.errLines.size(), 2); // the warning, then the error
        QVERIFY(run.errLines[0].contains(QLatin1String("frobnicate")));
        QVERIFY(run.errLines[1].contains(QLatin1String("'epp'")));
        QVERIFY(run.out.isEmpty());
    }

    void versionAndHelp()
    {
        const Run version = RunProgram({QStringLiteral("--version")});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out.trimmed(), QStringLiteral("kelvaro 0.11"));
        const Run help = RunProgram({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        for (const char* option : {"--simulate", "--trace", "--version", "loopback"})
            QVERIFY2(help.out.contains(QLatin1String(option)), option);
        QVERIFY(!help.out.contains(QLatin1String("platformtheme")));
    }

    // The trace shows, before the window's first reads, that interrupts were turned
    // off on the port. Run with no display: the window waits on a headless platform.
    void traceShowsEveryAccessAsItHappens()
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(KELVARO_PROGRAM), {QStringLiteral("--simulate=3bc"), QStringLiteral("--trace")});
        QString err;
        const QString windowReads = QStringLiteral("read  0x3BC -> 0x00\nread  0x3BD -> 0x7F\nread  0x3BE -> 0x0C\n");
        for (int i = 0; i < 200 && !err.contains(windowReads); ++i) {
            process.waitForReadyRead(100);
            err += QString::fromLocal8Bit(process.readAllStandardError());
        }
        process.kill();
        process.waitForFinished();
        QVERIFY2(err.contains(QStringLiteral("read  0x3BE -> 0x0C\nwrite 0x3BE <- 0x0C\n") + windowReads), qPrintable(err));
        QVERIFY(err.indexOf(QLatin1String("write 0x3BE")) > err.indexOf(QLatin1String("write 0x3BC <- 0x00")));
    }

    // Without a port permission the program explains how to get it, or that there is
    // no port access here at all, and ends before probing.
    void refusedOrMissingPortAccessEndsCleanly()
    {
        if (ioperm(0x378, 3, 1) == 0) {
            ioperm(0x378, 3, 0);
            QSKIP("this machine grants port access: the program would drive real ports");
        }
        const bool unavailable = errno == ENOSYS;
        const Run run = RunProgram({});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.errLines.size(), 1);
        const QString message = run.errLines.first();
        if (unavailable)
            QVERIFY2(message.contains(QLatin1String("no direct access")), qPrintable(message));
        else
            QVERIFY2(message.contains(QLatin1String("setcap")) && message.contains(QLatin1String("sudo")),
                     qPrintable(message));
        QVERIFY(message.contains(QLatin1String("--simulate")));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
