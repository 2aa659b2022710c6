#include "DialogTestKit.h"
#include "PortFixture.h"
#include "TestPrinting.h"
#include "app/CPortApp.h"
#include "ui/CBidirTestDlg.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using Log = std::vector<PortAccess>;

namespace {

QPushButton* StartButton(const QWidget* dialog)
{
    return dialog->findChild<QPushButton*>(QStringLiteral("startButton"));
}

QPushButton* MainMenuButton(const QWidget* dialog)
{
    return dialog->findChild<QPushButton*>(QStringLiteral("mainMenuButton"));
}

QString Focused()
{
    const QWidget* widget = QApplication::focusWidget();
    return widget ? widget->objectName() : QStringLiteral("(nothing)");
}

void Press(Qt::Key key)
{
    if (QWidget* widget = QApplication::focusWidget())
        QTest::keyClick(widget, key);
}

const QString NO_MODE = QStringLiteral("It seems the port doesn't support bidirectional mode.");

// A device that puts a new byte on the data lines after every read of them.
struct BusyDevice {
    std::shared_ptr<LineDriver> driver = std::make_shared<LineDriver>();
    std::uint8_t next = 0;

    void PlugInto(PortFixture& f, PortAddress base)
    {
        f.Chip(base).Attach(driver);
        f.recorder.SetListener([this, base](const PortAccess& access) {
            if (access.kind == PortAccess::Read && access.address == base)
                driver->DriveDataLines(++next);
        });
    }
};

} // namespace

class TestBidirTestDlg : public QObject {
    Q_OBJECT
private slots:
    void showsItsTexts()
    {
        PortFixture f("378:spp");
        f.Discover();
        CBidirTestDlg dialog;
        dialog.show();

        QCOMPARE(dialog.windowTitle(), QStringLiteral("Checking for bidirectional mode support"));
        QCOMPARE(StartButton(&dialog)->text(), QStringLiteral("Start the test"));
        QCOMPARE(MainMenuButton(&dialog)->text(), QStringLiteral("Main Menu"));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("introText"))->text(),
                 QStringLiteral("I'm now testing if the selected port supports bidirectional mode.\n"
                                "If your port supports bidirectional mode, you'll be able to input 8 bits "
                                "at a time using pins 2-9."));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("warningText"))->text(),
                 QString::fromUtf8("Before starting the bidirectional mode test be sure to disconnect the device "
                                   "connected to the current parallel port\n"
                                   "Prima di iniziare il test di bidirezionalit\u00e1 assicurarsi di disconnettere "
                                   "l'eventuale dispositivo connesso alla porta parallela corrente !"));
        QCOMPARE(dialog.ResultText(), QString());
        QVERIFY(MainMenuButton(&dialog)->isDefault());
        QVERIFY(!StartButton(&dialog)->autoDefault());
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());

        // The longer of the two results, on a port that fails the test.
        StartButton(&dialog)->click();
        QCOMPARE(dialog.ResultText(), NO_MODE);
        QCOMPARE(ClippedItems(dialog).join(u", "), QString());
    }

    void runOnTheCurrentPort_data()
    {
        QTest::addColumn<QString>("machine");
        QTest::addColumn<int>("dataBefore");
        QTest::addColumn<Log>("traffic");
        QTest::addColumn<QString>("result");

        // Data high first: the bit-5 try only fails at its last read-back.
        QTest::newRow("bit 6 at 378") << "378:bit6" << 0xFF
                                      << Log{R(0x378, 0xFF), R(0x37A, 0x0C), W(0x37A, 0x2C), R(0x378, 0xFF),
                                             W(0x378, 0xFF), R(0x378, 0xFF), W(0x378, 0x00), R(0x378, 0x00),
                                             W(0x37A, 0x0C), W(0x378, 0xFF), W(0x37A, 0x4C), R(0x378, 0xFF),
                                             W(0x378, 0xFF), R(0x378, 0xFF), W(0x378, 0x00), R(0x378, 0xFF),
                                             W(0x37A, 0x2C), W(0x378, 0xFF), W(0x37A, 0x0C)}
                                      << "It seems the port supports bidirectional mode 2.";
        QTest::newRow("bit 5 at 278") << "278:ps2" << 0x00
                                      << Log{R(0x278, 0x00), R(0x27A, 0x0C), W(0x27A, 0x2C), R(0x278, 0xFF),
                                             W(0x278, 0xFF), R(0x278, 0xFF), W(0x278, 0x00), R(0x278, 0xFF),
                                             W(0x27A, 0x0C), W(0x278, 0x00)}
                                      << "It seems the port supports bidirectional mode 1.";
        QTest::newRow("output only at 3BC")
            << "3bc:spp" << 0x00
            << Log{R(0x3BC, 0x00), R(0x3BE, 0x0C), W(0x3BE, 0x2C), R(0x3BC, 0x00), W(0x3BC, 0xFF),
                   R(0x3BC, 0xFF), W(0x3BE, 0x0C), W(0x3BC, 0x00), W(0x3BE, 0x4C), R(0x3BC, 0x00),
                   W(0x3BC, 0xFF), R(0x3BC, 0xFF), W(0x3BE, 0x2C), W(0x3BC, 0x00), W(0x3BE, 0x0C)}
            << NO_MODE;
    }
    void runOnTheCurrentPort()
    {
        QFETCH(QString, machine);
        QFETCH(int, dataBefore);
        QFETCH(Log, traffic);
        QFETCH(QString, result);
        PortFixture f(machine.toStdString());
        f.Discover();
        f.Chip(g_portBase).Write(DATA_REGISTER, static_cast<std::uint8_t>(dataBefore));
        f.ClearLog();
        CBidirTestDlg dialog;
        dialog.show();
        QCOMPARE(f.Log(), Log{}); // opening alone touches nothing

        StartButton(&dialog)->click();

        QCOMPARE(f.Log(), traffic);
        QCOMPARE(dialog.ResultText(), result);
        QVERIFY(dialog.isVisible());
    }

    // Direction bits that were set before the run do not survive it, except bit 6 after
    // a bit-5 success: that run never touches bit 6.
    void runLeavesThePort_data()
    {
        QTest::addColumn<QString>("machine");
        QTest::addColumn<int>("controlBefore");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("controlAfter");

        QTest::newRow("bit 5") << "378:ps2" << 0x0C << 1 << 0x0C;
        QTest::newRow("bit 5, bit 6 set before") << "378:ps2" << 0x4C << 1 << 0x4C;
        QTest::newRow("bit 5, both set before") << "378:ps2" << 0x6C << 1 << 0x4C;
        QTest::newRow("bit 6") << "378:bit6" << 0x0C << 2 << 0x0C;
        QTest::newRow("bit 6, both set before") << "378:bit6" << 0x6C << 2 << 0x0C;
        QTest::newRow("output only, both set before") << "378:spp" << 0x6C << 0 << 0x0C;
        QTest::newRow("output only, other bits kept") << "378:spp" << 0x75 << 0 << 0x15;
    }
    void runLeavesThePort()
    {
        QFETCH(QString, machine);
        QFETCH(int, controlBefore);
        QFETCH(int, mode);
        QFETCH(int, controlAfter);
        PortFixture f(machine.toStdString());
        f.Discover();
        SimulatedChip& chip = f.Chip(0x378);
        chip.Write(DATA_REGISTER, 0xA5);
        chip.Write(CONTROL_REGISTER, static_cast<std::uint8_t>(controlBefore));
        const std::uint8_t dataBefore = chip.Read(DATA_REGISTER);

        CBidirTestDlg dialog;
        dialog.show();
        StartButton(&dialog)->click();

        QCOMPARE(dialog.FoundMode(), mode);
        QCOMPARE(chip.ControlRegister(), std::uint8_t(controlAfter));
        QCOMPARE(chip.Read(DATA_REGISTER), dataBefore);
    }

    void laterRunForgetsAnEarlierMode()
    {
        PortFixture f("378:ps2");
        f.Discover();
        BusyDevice device;
        int result = -1;
        QString firstResult;
        QString secondResult;
        ModalWatch<CBidirTestDlg> watch([&](CBidirTestDlg* dialog) {
            StartButton(dialog)->click();
            firstResult = dialog->ResultText();
            device.PlugInto(f, 0x378);
            StartButton(dialog)->click();
            secondResult = dialog->ResultText();
            MainMenuButton(dialog)->click();
        });
        CBidirTestDlg dialog;
        result = dialog.exec();

        QCOMPARE(firstResult, QStringLiteral("It seems the port supports bidirectional mode 1."));
        QCOMPARE(secondResult, NO_MODE);
        QCOMPARE(result, 0);
        QCOMPARE(dialog.FoundMode(), 0);
    }

    void endsWithTheModeFound_data()
    {
        QTest::addColumn<QString>("machine");
        QTest::addColumn<bool>("run");
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("result");

        QTest::newRow("no run, Main Menu") << "378:ps2" << false << "Main Menu" << 0;
        QTest::newRow("no run, Esc") << "378:bit6" << false << "Esc" << 0;
        QTest::newRow("bit 5, Main Menu") << "378:ps2" << true << "Main Menu" << 1;
        QTest::newRow("bit 6, Esc") << "378:bit6" << true << "Esc" << 2;
        QTest::newRow("bit 5, close box") << "378:ps2" << true << "close box" << 1;
        QTest::newRow("bit 6, Enter") << "378:bit6" << true << "Enter" << 2;
        QTest::newRow("output only, Main Menu") << "378:spp" << true << "Main Menu" << 0;
    }
    void endsWithTheModeFound()
    {
        QFETCH(QString, machine);
        QFETCH(bool, run);
        QFETCH(QString, way);
        QFETCH(int, result);
        PortFixture f(machine.toStdString());
        f.Discover();
        f.ClearLog();
        std::size_t accessesOfTheRun = 0;
        ModalWatch<CBidirTestDlg> watch([&](CBidirTestDlg* dialog) {
            if (run)
                StartButton(dialog)->click();
            accessesOfTheRun = f.Log().size();
            if (way == QLatin1String("Main Menu"))
                MainMenuButton(dialog)->click();
            else if (way == QLatin1String("Esc"))
                QTest::keyClick(dialog, Qt::Key_Escape);
            else if (way == QLatin1String("close box"))
                PressCloseBox(dialog);
            else
                Press(Qt::Key_Return);
        });
        CBidirTestDlg dialog;

        QCOMPARE(dialog.exec(), result);
        QCOMPARE(watch.Seen(), 1);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(f.Log().size(), accessesOfTheRun); // leaving runs nothing
        QCOMPARE(accessesOfTheRun == 0, !run);
    }

    void keyboardAtOpen()
    {
        PortFixture f("378:ps2");
        f.Discover();
        f.ClearLog();
        QStringList focusPath;
        QString resultAfterSpace;
        ModalWatch<CBidirTestDlg> watch([&](CBidirTestDlg* dialog) {
            focusPath << Focused();
            Press(Qt::Key_Space);
            resultAfterSpace = dialog->ResultText();
            for (int i = 0; i < 2; ++i) {
                Press(Qt::Key_Tab);
                focusPath << Focused();
            }
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        CBidirTestDlg dialog;

        QCOMPARE(dialog.exec(), 1);
        QCOMPARE(focusPath, (QStringList{"startButton", "mainMenuButton", "startButton"}));
        QCOMPARE(resultAfterSpace, QStringLiteral("It seems the port supports bidirectional mode 1."));
    }
};

int main(int argc, char** argv)
{
    CPortApp app(argc, argv);
    TestBidirTestDlg test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_bidirtestdlg.moc"
