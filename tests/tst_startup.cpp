#include "ModalDriver.h"
#include "PortFixture.h"
#include "TestPrinting.h"
#include "app/CPortApp.h"
#include "res/ResourceIds.h"
#include "ui/CPinBoardDlg.h"

#include <QMessageBox>

namespace {

bool AnyMainWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<CPinBoardDlg*>(widget))
            return true;
    }
    return false;
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void noPortTellsTheUserAndEnds()
    {
        PortFixture f("none");
        bool shown = false;
        bool mainWindowExisted = true;
        WhenModalOpens<QMessageBox>([&](QMessageBox* box) {
            shown = true;
            QCOMPARE(box->windowTitle(), QStringLiteral("No parallel ports !"));
            QCOMPARE(box->text(), QStringLiteral("Sorry, I haven't detected any parallel port on your system. "
                                                 "Please check your hardware and try again !"));
            QCOMPARE(box->icon(), QMessageBox::Warning);
            QCOMPARE(box->standardButtons(), QMessageBox::Ok);
            mainWindowExisted = AnyMainWindow();
            box->button(QMessageBox::Ok)->click();
        });

        QCOMPARE(CPortApp::Instance()->InitInstance(), false);

        QVERIFY(shown);
        QVERIFY(!mainWindowExisted);
        QCOMPARE(CPortApp::Instance()->ExitStatus(), int(EXIT_NO_PORT));
        QCOMPARE(g_portBase, PortAddress{0});
        // The probe's data-register traffic and nothing else.
        for (const PortAccess& access : f.Log())
            QVERIFY(access.address == 0x378 || access.address == 0x278 || access.address == 0x3BC);
    }

    void firstPortFoundIsShown_data()
    {
        QTest::addColumn<QString>("machine");
        QTest::addColumn<int>("base");
        QTest::newRow("3BC alone") << "3bc" << 0x3BC;
        QTest::newRow("all three") << "3bc,278,378:bit6" << 0x378;
        QTest::newRow("278 and 3BC") << "3bc,278" << 0x278;
    }
    void firstPortFoundIsShown()
    {
        QFETCH(QString, machine);
        QFETCH(int, base);
        PortFixture f(machine.toStdString());
        SimulatedChip& chip = f.Chip(PortAddress(base));
        chip.Write(CONTROL_REGISTER, 0x1C); // interrupt enabled, as a BIOS may leave it
        QString title;
        std::vector<PortAccess> beforeWindow;
        WhenModalOpens<CPinBoardDlg>([&](CPinBoardDlg* board) {
            title = board->windowTitle();
            beforeWindow = f.Log();
            f.ClearLog();
            board->OnCommand(ID_APP_EXIT);
        });

        QCOMPARE(CPortApp::Instance()->InitInstance(), false);

        QCOMPARE(title, QString::asprintf("Kelvaro 0.11 - Port %X", unsigned(base)));
        QCOMPARE(g_portBase, PortAddress(base));
        QCOMPARE(CPortApp::Instance()->ExitStatus(), int(EXIT_CLOSED));
        // Interrupts off before the window reads anything: the last five accesses before
        // it opened are the control read and write, then the window's three reads.
        const auto b = PortAddress(base);
        QVERIFY(beforeWindow.size() >= 5);
        const std::vector<PortAccess> tail(beforeWindow.end() - 5, beforeWindow.end());
        QCOMPARE(tail, (std::vector<PortAccess>{R(b + 2, 0x1C), W(b + 2, 0x0C), R(b, chip.DataLatch()),
                                                R(b + 1, chip.Read(STATUS_REGISTER)), R(b + 2, 0x0C)}));
        // Closing writes nothing.
        for (const PortAccess& access : f.Log())
            QCOMPARE(access.kind, PortAccess::Read);
        QVERIFY(CPortApp::Instance()->MainWindow() == nullptr);
    }

    void everyWindowIsWhiteWithBlackText()
    {
        PortFixture f("378");
        WhenModalOpens<CPinBoardDlg>([](CPinBoardDlg* board) {
            QCOMPARE(board->palette().color(QPalette::Window), QColor(Qt::white));
            QCOMPARE(board->palette().color(QPalette::WindowText), QColor(Qt::black));
            QCOMPARE(QApplication::palette().color(QPalette::Base), QColor(Qt::white));
            board->close();
        });
        CPortApp::Instance()->InitInstance();
    }
};

int main(int argc, char** argv)
{
    CPortApp app(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_startup.moc"
