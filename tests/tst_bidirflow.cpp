#include "BoardFixture.h"
#include "ModalDriver.h"
#include "TestPrinting.h"
#include "ui/CBidirTestDlg.h"
#include "ui/CPortSelectDlg.h"

#include <QListWidget>

namespace {

const QList<int> DATA = {2, 3, 4, 5, 6, 7, 8, 9};

// Runs the test dialog: "Start the test" as often as asked, then "Main Menu".
void RunTestDialog(CPinBoardDlg& board, int runs = 1)
{
    WhenModalOpens<CBidirTestDlg>([runs](CBidirTestDlg* dialog) {
        for (int i = 0; i < runs; ++i)
            ClickButton(dialog, QStringLiteral("Start the test"));
        ClickButton(dialog, QStringLiteral("Main Menu"));
    });
    board.OnCommand(ID_BIDIR_TEST);
}

// Chooses a port in the port dialog (row -1: leaves it with nothing selected).
void ChoosePort(CPinBoardDlg& board, int row, bool confirm = true)
{
    WhenModalOpens<CPortSelectDlg>([row, confirm](CPortSelectDlg* dialog) {
        QListWidget* list = dialog->findChild<QListWidget*>();
        if (row < 0)
            list->clearSelection();
        else
            list->setCurrentRow(row);
        ClickButton(dialog, confirm ? QStringLiteral("OK") : QStringLiteral("Cancel"));
    });
    board.OnCommand(ID_OPTIONS_PORT);
}

struct MenuState {
    bool test;
    bool inOut;
};

MenuState Menu(const CPinBoardDlg& board)
{
    return {board.IsMenuItemEnabled(ID_BIDIR_TEST), board.IsMenuItemEnabled(ID_BIDIR_INOUT)};
}

} // namespace

class TestBidirFlow : public QObject {
    Q_OBJECT
private slots:
    void fromUntestedThroughInAndOutToAnotherPort()
    {
        BoardFixture f("378:bit6,278:spp");
        CPinBoardDlg& board = f.Board();
        SimulatedChip& chip = f.Chip();
        auto outside = std::make_shared<LineDriver>();
        chip.Attach(outside);
        QCOMPARE(Menu(board).test, true);
        QCOMPARE(Menu(board).inOut, false);

        RunTestDialog(board);
        QCOMPARE(board.BidirMode(), 2);
        QCOMPARE(board.windowTitle(), QStringLiteral("Kelvaro 0.11 - Port 378 - Bidirectional - Out"));
        QCOMPARE(Menu(board).test, false);
        QCOMPARE(Menu(board).inOut, true);
        QVERIFY(board.PollTimerActive());

        // In: title first, one control write from the shadow, one data read.
        g_controlShadow = 0x8B; // as if pins 1, 14 and 17 had been clicked
        chip.Write(CONTROL_REGISTER, 0x8B);
        outside->DriveDataLines(0x3C);
        f.port.ClearLog();
        board.MenuAction(ID_BIDIR_INOUT)->trigger();
        QCOMPARE(board.windowTitle(), QStringLiteral("Kelvaro 0.11 - Port 378 - Bidirectional - In"));
        QCOMPARE(f.port.Log(), (std::vector<PortAccess>{W(0x37A, 0xCB), R(0x378, 0x3C)}));
        QCOMPARE(f.ShownLevels(DATA), (QList<int>{0, 0, 1, 1, 1, 1, 0, 0}));
        QVERIFY(board.PollTimerActive());

        // Data clicks are ignored; control clicks keep the lines in input.
        f.port.ClearLog();
        f.Click(5);
        QCOMPARE(f.port.Log(), std::vector<PortAccess>{});
        f.Click(16);
        QCOMPARE(f.port.Log(), (std::vector<PortAccess>{W(0x37A, 0xCF)}));
        QVERIFY(chip.DataLinesAreInputs());

        // What the outside drives shows within one poll.
        outside->DriveDataLines(0x81);
        QTRY_COMPARE(f.ShownLevels(DATA), (QList<int>{1, 0, 0, 0, 0, 0, 0, 1}));

        // Out: bit 5 up for one write while bit 6 drops, then both low; data read back.
        chip.Write(DATA_REGISTER, 0x55);
        f.port.ClearLog();
        board.OnCommand(ID_BIDIR_INOUT);
        QCOMPARE(board.windowTitle(), QStringLiteral("Kelvaro 0.11 - Port 378 - Bidirectional - Out"));
        QCOMPARE(f.port.Log(), (std::vector<PortAccess>{W(0x37A, 0xAF), W(0x37A, 0x8F), R(0x378, 0x55)}));
        QCOMPARE(f.ShownLevels(DATA), (QList<int>{1, 0, 1, 0, 1, 0, 1, 0}));

        // A confirmed change of port brings back the untested state for the new port.
        f.port.ClearLog();
        ChoosePort(board, 1);
        QCOMPARE(g_portBase, PortAddress{0x278});
        QCOMPARE(board.windowTitle(), QStringLiteral("Kelvaro 0.11 - Port 278"));
        QCOMPARE(board.BidirMode(), 0);
        QCOMPARE(board.InputDirection(), 0);
        QCOMPARE(Menu(board).test, true);
        QCOMPARE(Menu(board).inOut, false);
        QCOMPARE(f.port.Log(), (std::vector<PortAccess>{R(0x27A, 0x0C), W(0x27A, 0x0C), R(0x278, 0x00),
                                                        R(0x279, 0x7F), R(0x27A, 0x0C)}));
        QVERIFY(board.PollTimerActive());
    }

    void leavingAPortInInputReturnsItsLinesToOutput_data()
    {
        QTest::addColumn<QString>("machine");
        QTest::addColumn<std::vector<PortAccess>>("leave");
        using V = std::vector<PortAccess>;
        QTest::newRow("mode 1") << "378:ps2,3bc" << V{W(0x37A, 0x0E)};
        QTest::newRow("mode 2") << "378:bit6,3bc" << V{W(0x37A, 0x2E), W(0x37A, 0x0E)};
    }
    void leavingAPortInInputReturnsItsLinesToOutput()
    {
        QFETCH(QString, machine);
        QFETCH(std::vector<PortAccess>, leave);
        BoardFixture f(machine.toStdString());
        CPinBoardDlg& board = f.Board();
        f.Click(14); // control 0x0E, so the leave sequence shows it uses the shadow
        RunTestDialog(board);
        board.OnCommand(ID_BIDIR_INOUT);
        QCOMPARE(board.InputDirection(), 1);
        f.port.Chip(0x3BC).Write(CONTROL_REGISTER, 0x1C);
        f.port.ClearLog();

        ChoosePort(board, 1);

        std::vector<PortAccess> expected = leave;
        for (const PortAccess& access : {R(0x3BE, 0x1C), W(0x3BE, 0x0C), R(0x3BC, 0x00), R(0x3BD, 0x7F), R(0x3BE, 0x0C)})
            expected.push_back(access);
        QCOMPARE(f.port.Log(), expected);
        QVERIFY(!f.port.Chip(0x378).DataLinesAreInputs());
        QCOMPARE(board.windowTitle(), QStringLiteral("Kelvaro 0.11 - Port 3BC"));
        QCOMPARE(Menu(board).inOut, false);
    }

    void confirmingTheSamePortStartsItAfresh()
    {
        BoardFixture f("378:ps2");
        CPinBoardDlg& board = f.Board();
        RunTestDialog(board);
        board.OnCommand(ID_BIDIR_INOUT);
        f.port.ClearLog();
        ChoosePort(board, -1); // nothing selected: the same port, re-initialised
        QCOMPARE(g_portBase, PortAddress{0x378});
        QCOMPARE(f.port.Log().front(), W(0x37A, 0x0C));
        QCOMPARE(board.windowTitle(), QStringLiteral("Kelvaro 0.11 - Port 378"));
        QCOMPARE(Menu(board).test, true);
        RunTestDialog(board); // and it can be tested again
        QCOMPARE(board.BidirMode(), 1);
    }

    void cancellingKeepsEverything()
    {
        BoardFixture f("378:ps2,278");
        CPinBoardDlg& board = f.Board();
        RunTestDialog(board);
        board.OnCommand(ID_BIDIR_INOUT);
        f.port.ClearLog();
        bool pollStoppedWhileOpen = false;
        WhenModalOpens<CPortSelectDlg>([&](CPortSelectDlg* dialog) {
            pollStoppedWhileOpen = !board.PollTimerActive();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        board.OnCommand(ID_OPTIONS_PORT);
        QVERIFY(pollStoppedWhileOpen);
        QCOMPARE(f.port.Log(), std::vector<PortAccess>{});
        QCOMPARE(g_portBase, PortAddress{0x378});
        QCOMPARE(board.windowTitle(), QStringLiteral("Kelvaro 0.11 - Port 378 - Bidirectional - In"));
        QCOMPARE(Menu(board).inOut, true);
        QVERIFY(board.PollTimerActive());
        QVERIFY(f.Chip().DataLinesAreInputs());
    }

    void aTestThatFindsNothingChangesNothing()
    {
        BoardFixture f("378:spp");
        CPinBoardDlg& board = f.Board();
        const QString title = board.windowTitle();
        RunTestDialog(board);
        QCOMPARE(board.BidirMode(), 0);
        QCOMPARE(board.windowTitle(), title);
        QCOMPARE(Menu(board).test, true);
        QCOMPARE(Menu(board).inOut, false);
    }

    // A dialog that ends with anything but a mode (it failed to open, say) is not a success.
    void onlyARealModeCounts_data()
    {
        QTest::addColumn<int>("endCode");
        QTest::newRow("failed to open") << -1;
        QTest::newRow("out of range") << 3;
    }
    void onlyARealModeCounts()
    {
        QFETCH(int, endCode);
        BoardFixture f("378:ps2");
        CPinBoardDlg& board = f.Board();
        WhenModalOpens<CBidirTestDlg>([endCode](CBidirTestDlg* dialog) { dialog->done(endCode); });
        board.OnCommand(ID_BIDIR_TEST);
        QCOMPARE(board.BidirMode(), 0);
        QCOMPARE(board.windowTitle(), QStringLiteral("Kelvaro 0.11 - Port 378"));
        QCOMPARE(Menu(board).inOut, false);
    }

    void thePollGoesOnUnderTheTestDialog()
    {
        BoardFixture f("378:ps2+loopback");
        bool followed = false;
        WhenModalOpens<CBidirTestDlg>([&](CBidirTestDlg* dialog) {
            QVERIFY(f.Board().PollTimerActive());
            f.Chip().Write(DATA_REGISTER, 0x01); // pin 2, and through the plug pin 15
            followed = QTest::qWaitFor([&] { return f.ShownLevel(2) == 1 && f.ShownLevel(15) == 1; });
            ClickButton(dialog, QStringLiteral("Main Menu"));
        });
        f.Board().OnCommand(ID_BIDIR_TEST);
        QVERIFY(followed);
    }
};

QTEST_MAIN(TestBidirFlow)
#include "tst_bidirflow.moc"
