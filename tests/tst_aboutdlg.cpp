#include "DialogTestKit.h"
#include "PortFixture.h"
#include "TestPrinting.h"
#include "app/CAboutDlg.h"
#include "app/CPortApp.h"
#include "pins/CBitmapButton.h"
#include "pins/PinImages.h"
#include "pins/PinMap.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {

QString Focused()
{
    const QWidget* widget = QApplication::focusWidget();
    return widget ? widget->objectName() : QStringLiteral("(nothing)");
}

// Picks an item of the popup menu that opens next, by its text without the '&'.
class PopupChoice {
public:
    explicit PopupChoice(const QString& item)
    {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [this, item] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            m_timer.stop();
            for (QAction* action : menu->actions()) {
                if (action->text().remove(QLatin1Char('&')) == item) {
                    menu->setActiveAction(action);
                    QTest::keyClick(menu, Qt::Key_Return);
                    return;
                }
            }
            menu->close();
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
};

void RightClickMenu(CPinBoardDlg& board, const QString& item)
{
    PopupChoice choice(item);
    const QPoint at = board.rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, board.mapToGlobal(at));
    QApplication::sendEvent(&board, &event);
}

const QString ABOUT_ITEM = QStringLiteral("Infos about Kelvaro");

} // namespace

class TestAboutDlg : public QObject {
    Q_OBJECT
private slots:
    void showsItsTexts()
    {
        CAboutDlg about;
        about.show();

        QCOMPARE(about.windowTitle(), QStringLiteral("Infos about Kelvaro"));
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("versionText"))->text(), QStringLiteral("Kelvaro 0.11"));
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("makerText"))->text(),
                 QStringLiteral("\u00a9 2026 the Kelvaro developers"));
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("contactText"))->text(),
                 QStringLiteral("EMail: kelvaro@example.org"));
        QVERIFY(about.findChild<QPushButton*>(QStringLiteral("okButton"))->isDefault());
        QCOMPARE(about.minimumSize(), about.maximumSize());
        // The logo reaches nearly to the bottom edge: it must still be whole.
        QCOMPARE(ClippedItems(about).join(u", "), QString());
    }

    // Each picture at its own size, its top-left where the template puts it.
    void picturesInPlace_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("imageId");
        QTest::addColumn<QPoint>("dialogUnits");

        QTest::newRow("status low") << "statusLowPicture" << int(IDB_STATUS_LOW) << QPoint(119, 5);
        QTest::newRow("control high") << "controlHighPicture" << int(IDB_CONTROL_HIGH) << QPoint(148, 4);
        QTest::newRow("data low") << "dataLowPicture" << int(IDB_DATA_LOW) << QPoint(177, 6);
        QTest::newRow("logo") << "logoPicture" << int(IDB_LOGO) << QPoint(4, 22);
        QTest::newRow("status high") << "statusHighPicture" << int(IDB_STATUS_HIGH) << QPoint(50, 25);
        QTest::newRow("control low") << "controlLowPicture" << int(IDB_CONTROL_LOW) << QPoint(71, 38);
        QTest::newRow("ground, right") << "groundPicture1" << int(IDB_PIN_GROUND) << QPoint(139, 48);
        QTest::newRow("ground, left") << "groundPicture2" << int(IDB_PIN_GROUND) << QPoint(53, 49);
        QTest::newRow("data high") << "dataHighPicture" << int(IDB_DATA_HIGH) << QPoint(177, 49);
    }
    void picturesInPlace()
    {
        QFETCH(QString, name);
        QFETCH(int, imageId);
        QFETCH(QPoint, dialogUnits);
        CAboutDlg about;
        about.show();

        const QLabel* picture = about.findChild<QLabel*>(name);
        const QPixmap& image = PinImages::Get(imageId);
        QVERIFY(!image.isNull());
        QCOMPARE(picture->pixmap().cacheKey(), image.cacheKey());
        QCOMPARE(picture->geometry(),
                 QRect(QPoint(DialogUnitsX(dialogUnits.x()), DialogUnitsY(dialogUnits.y())), image.size()));
    }

    void opensAndCloses_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("result");

        for (const char* from : {"right-click menu", "Help menu"}) {
            QTest::addRow("%s, OK", from) << from << "OK" << int(QDialog::Accepted);
            QTest::addRow("%s, Esc", from) << from << "Esc" << int(QDialog::Rejected);
            QTest::addRow("%s, close box", from) << from << "close box" << int(QDialog::Rejected);
        }
    }
    void opensAndCloses()
    {
        QFETCH(QString, from);
        QFETCH(QString, way);
        QFETCH(int, result);
        Board b;
        const QString before = BoardState(*b.window);
        int ended = -2;
        QString focusAtOpen;
        ModalWatch<CAboutDlg> watch([&](CAboutDlg* about) {
            focusAtOpen = Focused();
            QObject::connect(about, &QDialog::finished, [&](int code) { ended = code; });
            if (way == QLatin1String("OK"))
                about->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
            else if (way == QLatin1String("Esc"))
                QTest::keyClick(about, Qt::Key_Escape);
            else
                PressCloseBox(about);
        });

        if (from == QLatin1String("right-click menu"))
            RightClickMenu(*b.window, ABOUT_ITEM);
        else
            b.window->MenuAction(ID_HELP_ABOUT)->trigger();

        QCOMPARE(watch.Seen(), 1);
        QCOMPARE(focusAtOpen, QStringLiteral("okButton"));
        QCOMPARE(ended, result);
        QCOMPARE(BoardState(*b.window), before);
        QCOMPARE(b.Writes(), std::vector<PortAccess>{});
    }

    void systemCommands_data()
    {
        QTest::addColumn<unsigned>("command");
        QTest::addColumn<bool>("opensAbout");

        for (unsigned id : {0x10u, 0x11u, 0x17u, 0x1Fu})
            QTest::addRow("0x%04X", id) << id << true;
        for (unsigned id : {0x00u, 0x0Fu, 0x20u, 0x30u, 0x110u, 0xF010u, 0xF030u, 0xF100u, 0xF120u})
            QTest::addRow("0x%04X", id) << id << false;
    }
    void systemCommands()
    {
        QFETCH(unsigned, command);
        QFETCH(bool, opensAbout);
        Board b;
        const QString before = BoardState(*b.window);
        ModalWatch<CAboutDlg> watch([](CAboutDlg* about) { about->accept(); });

        b.window->OnSysCommand(command, 0);

        QCOMPARE(watch.Seen(), opensAbout ? 1 : 0);
        QCOMPARE(BoardState(*b.window), before);
    }

    // The menu's other items work as the window's own buttons do.
    void windowItemsOfTheMenu_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("minimised");
        QTest::addColumn<bool>("visible");

        QTest::newRow("Minimize") << "Minimize" << true << true;
        QTest::newRow("Close") << "Close" << false << false;
    }
    void windowItemsOfTheMenu()
    {
        QFETCH(QString, item);
        QFETCH(bool, minimised);
        QFETCH(bool, visible);
        Board b;
        ModalWatch<CAboutDlg> watch([](CAboutDlg* about) { about->accept(); });

        RightClickMenu(*b.window, item);

        QCOMPARE(b.window->isMinimized(), minimised);
        QCOMPARE(b.window->isVisible(), visible);
        QCOMPARE(watch.Seen(), 0);
        if (!visible) // ended as by the close box
            QCOMPARE(b.window->result(), int(QDialog::Rejected));
    }

    void pollRunsUnderTheAboutBox()
    {
        Board b("378:ps2");
        auto device = std::make_shared<LineDriver>();
        b.f.Chip(0x378).Attach(device);
        const PinInfo& select = PinAt(13);
        QCOMPARE(b.window->SignalWidget(13)->Image(), &PinImages::Get(select.highImage));
        bool polling = false;
        bool shownLow = false;
        QString focusAfter;
        ModalWatch<CAboutDlg> watch([&](CAboutDlg* about) {
            polling = b.window->PollTimerActive();
            device->SetLevel(13, false);
            shownLow = QTest::qWaitFor(
                [&] { return b.window->SignalWidget(13)->Image() == &PinImages::Get(select.lowImage); });
            focusAfter = Focused(); // redrawing a disc must not pull the focus away
            about->accept();
        });

        b.window->MenuAction(ID_HELP_ABOUT)->trigger();

        QCOMPARE(watch.Seen(), 1);
        QVERIFY(polling);
        QVERIFY(shownLow);
        QCOMPARE(focusAfter, QStringLiteral("okButton"));
        QVERIFY(b.window->PollTimerActive());
    }
};

int main(int argc, char** argv)
{
    CPortApp app(argc, argv);
    TestAboutDlg test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_aboutdlg.moc"
