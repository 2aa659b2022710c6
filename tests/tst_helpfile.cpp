#include "DialogTestKit.h"
#include "TestPrinting.h"
#include "app/CPortApp.h"
#include "app/HelpFile.h"
#include "app/HelpViewer.h"

#include <QAction>
#include <QFile>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

namespace {

const QString HELP_SOURCE = QStringLiteral(KELVARO_HELP_SOURCE);

// Headings every reader looks for.
const QStringList HELP_HEADINGS = {"The window",     "What a disc shows",  "Driving the outputs",
                                   "Bidirectional mode", "Changing the port", "Command line",
                                   "Real hardware and permissions"};

bool ShowsTheHelp(const HelpViewer& viewer)
{
    const QString text = viewer.Browser()->toPlainText();
    for (const QString& heading : HELP_HEADINGS)
        if (!text.contains(heading))
            return false;
    return true;
}

} // namespace

class TestHelpFile : public QObject {
    Q_OBJECT
private slots:
    void helpFileFor_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("help");

        QTest::newRow("no extension") << "/usr/bin/kelvaro" << "/usr/bin/kelvaro.HLP";
        QTest::newRow("extension") << "/opt/kelvaro/kelvaro.bin" << "/opt/kelvaro/kelvaro.HLP";
        QTest::newRow("only the last extension") << "/opt/kelvaro.tar.gz" << "/opt/kelvaro.tar.HLP";
        QTest::newRow("dotted directory") << "/home/me/.local/bin/kelvaro" << "/home/me/.local/bin/kelvaro.HLP";
        QTest::newRow("dotted directory, extension") << "/srv/v1.2/kelvaro.exe" << "/srv/v1.2/kelvaro.HLP";
        QTest::newRow("hidden file") << "/x/.kelvaro" << "/x/.kelvaro.HLP";
        QTest::newRow("hidden file, extension") << "/x/.kelvaro.bin" << "/x/.kelvaro.HLP";
        QTest::newRow("no directory") << "kelvaro" << "kelvaro.HLP";
        QTest::newRow("no directory, extension") << "kelvaro.exe" << "kelvaro.HLP";
        QTest::newRow("relative, dotted") << "./kelvaro" << "./kelvaro.HLP";
    }
    void helpFileFor()
    {
        QFETCH(QString, program);
        QFETCH(QString, help);
        QCOMPARE(HelpFileFor(program), help);
    }

    void viewerShowsTheFile()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("kelvaro.HLP"));
        QVERIFY(QFile::copy(HELP_SOURCE, file));
        HelpViewer viewer;

        QVERIFY(viewer.ShowContents(file));

        QVERIFY(viewer.isVisible());
        QCOMPARE(viewer.ShownFile(), file);
        QCOMPARE(viewer.Browser()->documentTitle(), QStringLiteral("Kelvaro Help"));
        QVERIFY(ShowsTheHelp(viewer));
    }

    // Help > Contents looks beside the program; the file there or not, the main window
    // stays as it was and no message box comes up.
    void contentsFromTheMenu_data()
    {
        QTest::addColumn<bool>("present");
        QTest::newRow("help file present") << true;
        QTest::newRow("help file missing") << false;
    }
    void contentsFromTheMenu()
    {
        QFETCH(bool, present);
        CPortApp* app = CPortApp::Instance();
        const QString file = app->HelpFilePath();
        QCOMPARE(file, QCoreApplication::applicationDirPath() + QStringLiteral("/tst_helpfile.HLP"));
        QFile::remove(file);
        const auto removeFile = qScopeGuard([&] { QFile::remove(file); });
        if (present)
            QVERIFY(QFile::copy(HELP_SOURCE, file));
        Board b;
        const QString before = BoardState(*b.window);
        ModalWatch<QMessageBox> messages([](QMessageBox* box) { box->accept(); });

        b.window->MenuAction(ID_HELP_CONTENTS)->trigger();

        QVERIFY(app->Help() && app->Help()->isVisible());
        QCOMPARE(app->Help()->ShownFile(), file);
        QCOMPARE(ShowsTheHelp(*app->Help()), present);
        if (!present)
            QVERIFY(app->Help()->Browser()->toPlainText().contains(file + QStringLiteral(" could not be opened")));
        QCOMPARE(messages.Seen(), 0);
        QCOMPARE(BoardState(*b.window), before);
        QCOMPARE(b.Writes(), std::vector<PortAccess>{});
        app->Help()->close();
    }
};

int main(int argc, char** argv)
{
    CPortApp app(argc, argv);
    TestHelpFile test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_helpfile.moc"
