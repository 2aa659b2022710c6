#include "BoardFixture.h"
#include "TestPrinting.h"
#include "pins/PinWidgets.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>

namespace {
const QList<int> DATA = {2, 3, 4, 5, 6, 7, 8, 9};
const QList<int> STATUS = {10, 11, 12, 13, 15};
const QList<int> CONTROL = {1, 14, 16, 17};

// Threads of Qt's global pool in this process; each stays half a minute after its last job.
int PooledThreads()
{
    const QDir tasks(QStringLiteral("/proc/self/task"));
    int pooled = 0;
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile name(tasks.filePath(task + QStringLiteral("/comm")));
        if (name.open(QIODevice::ReadOnly) && name.readAll().trimmed() == "Thread (pooled)")
            ++pooled;
    }
    return pooled;
}

QStringList Names(const QList<int>& pins)
{
    QStringList names;
    for (int pin : pins)
        names << QStringLiteral("pin%1").arg(pin);
    return names;
}
} // namespace

class TestPinBoard : public QObject {
    Q_OBJECT
private slots:
    void initialisationOnlyReadsEachRegisterOnce()
    {
        PortFixture port("378:spp");
        port.Discover();
        port.Chip(0x378).Write(DATA_REGISTER, 0xA5);
        port.Chip(0x378).Write(CONTROL_REGISTER, 0x05);
        port.ClearLog();
        CPinBoardDlg board;
        QVERIFY(board.SignalWidget(1) == nullptr); // no widgets before the window is made
        QCOMPARE(board.BidirMode(), 0);
        QCOMPARE(board.InputDirection(), 0);

        board.show();

        QCOMPARE(port.Log(), (std::vector<PortAccess>{R(0x378, 0xA5), R(0x379, 0x7F), R(0x37A, 0x05)}));
        QCOMPARE(g_dataShadow, std::uint8_t{0xA5});
        QCOMPARE(g_statusShadow, std::uint8_t{0x7F});
        QCOMPARE(g_controlShadow, std::uint8_t{0x05});
        QVERIFY(board.PollTimerActive());
    }

    void firstLookShowsEveryPin()
    {
        BoardFixture f("378:spp", false);
        f.Chip().Write(DATA_REGISTER, 0xA5);
        f.Chip().Write(CONTROL_REGISTER, 0x05);
        f.Board().show();
        QCOMPARE(f.ShownLevels(DATA), (QList<int>{1, 0, 1, 0, 0, 1, 0, 1}));
        QCOMPARE(f.ShownLevels(STATUS), (QList<int>{1, 1, 1, 1, 1}));
        QCOMPARE(f.ShownLevels(CONTROL), (QList<int>{0, 1, 1, 1}));
        const qint64 ground = PinImages::Get(IDB_PIN_GROUND).cacheKey();
        for (int pin = 18; pin <= 25; ++pin)
            QCOMPARE(f.Board().GroundWidget(pin)->pixmap().cacheKey(), ground);
    }

    void titleNamesThePort_data()
    {
        QTest::addColumn<QString>("machine");
        QTest::addColumn<QString>("title");
        QTest::newRow("378") << "378" << "Kelvaro 0.11 - Port 378";
        QTest::newRow("278") << "278" << "Kelvaro 0.11 - Port 278";
        QTest::newRow("3BC") << "3bc" << "Kelvaro 0.11 - Port 3BC";
    }
    void titleNamesThePort()
    {
        QFETCH(QString, machine);
        QFETCH(QString, title);
        BoardFixture f(machine.toStdString());
        QCOMPARE(f.Board().windowTitle(), title);
    }

    void menuAsBuilt()
    {
        BoardFixture f;
        QMenuBar* bar = f.Board().findChild<QMenuBar*>();
        QVERIFY(bar);
        QStringList popups;
        for (QAction* action : bar->actions())
            popups << action->text();
        QCOMPARE(popups, (QStringList{"&File", "&Bidirectional", "&Options"}));
        // Help stands apart, at the right end.
        auto* corner = qobject_cast<QMenuBar*>(bar->cornerWidget(Qt::TopRightCorner));
        QVERIFY(corner);
        QCOMPARE(corner->actions().size(), 1);
        QCOMPARE(corner->actions().first()->text(), QStringLiteral("&Help"));

        const struct {
            int id;
            const char* text;
            bool enabled;
        } items[] = {
            {ID_APP_EXIT, "E&xit", true},
            {ID_BIDIR_TEST, "Check for &bidirectional mode support", true},
            {ID_BIDIR_INOUT, "&In/Out", false},
            {ID_OPTIONS_PORT, "Change &parallel port", true},
            {ID_OPTIONS_PINNUMBERS, "Show/Hide pins &numbers", true},
            {ID_HELP_CONTENTS, "&Contents", true},
            {ID_HELP_ABOUT, "&About Kelvaro", true},
        };
        for (const auto& item : items) {
            QAction* action = f.Board().MenuAction(item.id);
            QVERIFY2(action, item.text);
            QCOMPARE(action->text(), QString::fromLatin1(item.text));
            QCOMPARE(action->isEnabled(), item.enabled);
            QVERIFY(!action->isCheckable());
        }
    }

    void widgetsStandOnTheConnector()
    {
        BoardFixture f;
        QCOMPARE(f.Board().SignalWidget(13)->geometry(), QRect(321, 25, 16, 16));
        QCOMPARE(f.Board().SignalWidget(14)->geometry(), QRect(45, 46, 16, 16));
        QCOMPARE(f.Board().GroundWidget(25)->geometry(), QRect(309, 46, 16, 16));
        QCOMPARE(f.Board().SignalWidget(1)->geometry(), QRect(33, 25, 16, 16));
        QWidget* client = f.Board().ClientArea();
        for (int pin = 1; pin <= 25; ++pin)
            QVERIFY(client->rect().contains(PinWidgetRect(pin)));
        QVERIFY(client->width() >= 374 && client->height() >= 79);
        // Fixed size: no resizing, no maximising.
        QCOMPARE(f.Board().minimumSize(), f.Board().maximumSize());
        QVERIFY(!(f.Board().windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void quietTickOnlyReads()
    {
        BoardFixture f;
        PaintCounter paints;
        f.Board().OnTimer(0);
        QCOMPARE(f.port.Log(), (std::vector<PortAccess>{R(0x379, g_statusShadow), R(0x37A, g_controlShadow),
                                                        R(0x378, g_dataShadow)}));
        QCOMPARE(paints.painted, QStringList());
    }

    void bitsNoPinShowsAreNotAChange()
    {
        BoardFixture f("378:spp+loopback");
        PaintCounter paints;
        const std::uint8_t status = g_statusShadow;
        const std::uint8_t control = g_controlShadow;
        f.Chip().SetStatusFlagBits(static_cast<std::uint8_t>(~status & 0x07));
        f.Chip().Write(CONTROL_REGISTER, static_cast<std::uint8_t>(control ^ 0xF0));

        f.Board().OnTimer(0);

        QCOMPARE(g_statusShadow, status);
        QCOMPARE(g_controlShadow, control);
        QCOMPARE(paints.painted, QStringList());

        // The next control click writes the remembered upper bits back over the register's.
        f.port.ClearLog();
        f.Click(16);
        QCOMPARE(f.port.Log(), (std::vector<PortAccess>{W(0x37A, static_cast<std::uint8_t>(control ^ 0x04))}));
    }

    void aWatchedChangeRedrawsThatRegistersPins_data()
    {
        QTest::addColumn<bool>("status");
        QTest::addColumn<bool>("control");
        QTest::addColumn<bool>("data");
        QTest::newRow("status") << true << false << false;
        QTest::newRow("control") << false << true << false;
        QTest::newRow("data") << false << false << true;
        QTest::newRow("all three, in that order") << true << true << true;
    }
    void aWatchedChangeRedrawsThatRegistersPins()
    {
        QFETCH(bool, status);
        QFETCH(bool, control);
        QFETCH(bool, data);
        BoardFixture f("378:ps2");
        auto driver = std::make_shared<LineDriver>();
        f.Chip().Attach(driver);
        PaintCounter paints;
        QStringList expected;
        if (status) {
            driver->SetLevel(10, false); // with bit 0 as well: the whole byte is taken
            f.Chip().SetStatusFlagBits(0x06);
            expected << Names(STATUS);
        }
        if (control) {
            f.Chip().Write(CONTROL_REGISTER, g_controlShadow ^ 0x01);
            expected << Names(CONTROL);
        }
        if (data) {
            f.Chip().Write(DATA_REGISTER, g_dataShadow ^ 0x80);
            expected << Names(DATA);
        }

        f.Board().OnTimer(0);

        QCOMPARE(paints.painted, expected);
        QCOMPARE(g_statusShadow, f.Chip().Read(STATUS_REGISTER));
        QCOMPARE(g_controlShadow, f.Chip().Read(CONTROL_REGISTER));
        QCOMPARE(g_dataShadow, f.Chip().Read(DATA_REGISTER));
        if (status)
            QCOMPARE(f.ShownLevel(10), 0);
    }

    void timerMessagesOfAnyIdRunATick()
    {
        BoardFixture f;
        f.Board().OnTimer(12345);
        QCOMPARE(f.port.Log().size(), std::size_t{3});
    }

    void outputClicks_data()
    {
        QTest::addColumn<int>("pin");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("before"); // register and shadow
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("shown");
        QTest::newRow("pin 1 sets control bit 0, shows 0") << 1 << 0x37A << 0x0C << 0x0D << 0;
        QTest::newRow("pin 1 clears it again, shows 1") << 1 << 0x37A << 0x0D << 0x0C << 1;
        QTest::newRow("pin 14, bit 1 inverted") << 14 << 0x37A << 0x0C << 0x0E << 0;
        QTest::newRow("pin 16, bit 2 as is") << 16 << 0x37A << 0x08 << 0x0C << 1;
        QTest::newRow("pin 17, bit 3 inverted") << 17 << 0x37A << 0x0C << 0x04 << 1;
        QTest::newRow("control keeps bits 4-7") << 16 << 0x37A << 0xE8 << 0xEC << 1;
        for (int pin = 2; pin <= 9; ++pin) {
            const int mask = 1 << (pin - 2);
            QTest::addRow("pin %d sets data", pin) << pin << 0x378 << 0x00 << mask << 1;
            QTest::addRow("pin %d clears data", pin) << pin << 0x378 << 0xFF << (0xFF & ~mask) << 0;
        }
    }
    void outputClicks()
    {
        QFETCH(int, pin);
        QFETCH(int, address);
        QFETCH(int, before);
        QFETCH(int, written);
        QFETCH(int, shown);
        BoardFixture f("378:spp");
        const int offset = address - 0x378;
        f.Chip().Write(offset, static_cast<std::uint8_t>(before));
        f.Board().OnTimer(0);
        f.port.ClearLog();

        f.Click(pin);

        // Composed from the shadow: one write, no read.
        QCOMPARE(f.port.Log(), (std::vector<PortAccess>{W(PortAddress(address), std::uint8_t(written))}));
        QCOMPARE(offset == 0 ? g_dataShadow : g_controlShadow, std::uint8_t(written));
        QCOMPARE(f.ShownLevel(pin), shown);

        // A second click brings register, shadow and disc back.
        f.Click(pin);
        QCOMPARE(f.Chip().Read(offset), std::uint8_t(before));
        QCOMPARE(offset == 0 ? g_dataShadow : g_controlShadow, std::uint8_t(before));
        QCOMPARE(f.ShownLevel(pin), 1 - shown);
    }

    void inputAndGroundClicksDoNothing()
    {
        BoardFixture f;
        PaintCounter paints;
        for (int pin : STATUS)
            f.Click(pin);
        QTest::mouseClick(f.Board().GroundWidget(20), Qt::LeftButton);
        f.Board().OnCommand(IDC_PIN_BASE + 12);
        QCOMPARE(f.port.Log(), std::vector<PortAccess>{});
        QCOMPARE(paints.painted, QStringList());
    }

    void aPortThatIgnoresAWriteShowsWhatItHolds()
    {
        // The disc follows the shadow at once, and the port within one tick.
        BoardFixture f("378:ps2");
        f.Chip().Write(CONTROL_REGISTER, 0x20); // lines turned around behind our back
        f.Board().OnTimer(0);
        f.Click(3);
        QCOMPARE(f.ShownLevel(3), 0); // 0xFF outside: bit 1 was high, the click lowered it
        f.Board().OnTimer(0);
        QCOMPARE(f.ShownLevel(3), 1);
        QCOMPARE(g_dataShadow, std::uint8_t{0xFF});
    }

    void loopbackShowsADataClickOnItsStatusPin()
    {
        BoardFixture f; // 378 with the loopback plug
        QCOMPARE(f.ShownLevel(15), 0);
        f.Click(2);
        QCOMPARE(f.ShownLevel(2), 1); // at once
        QCOMPARE(f.ShownLevel(15), 0);
        QTRY_COMPARE(f.ShownLevel(15), 1); // by the running poll
        f.Click(6);
        QTRY_COMPARE(f.ShownLevel(11), 1);
    }

    void setPinStateLimits_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("pin");
        QTest::addColumn<int>("image"); // 0: nothing may change
        QTest::newRow("pin 0") << 1 << 0 << 0;
        QTest::newRow("pin -1") << 1 << -1 << 0;
        QTest::newRow("pin 18") << 1 << 18 << 0;
        QTest::newRow("pin 25") << 0 << 25 << 0;
        QTest::newRow("pin 26") << 1 << 26 << 0;
        QTest::newRow("level 2 is high") << 2 << 5 << int(IDB_DATA_HIGH);
        QTest::newRow("level -1 is high") << -1 << 5 << int(IDB_DATA_HIGH);
        QTest::newRow("pin 15, status disc") << 0 << 15 << int(IDB_STATUS_LOW);
        QTest::newRow("pin 14, cyan") << 1 << 14 << int(IDB_CONTROL_HIGH);
        QTest::newRow("pin 9, green") << 0 << 9 << int(IDB_DATA_LOW);
    }
    void setPinStateLimits()
    {
        QFETCH(int, level);
        QFETCH(int, pin);
        QFETCH(int, image);
        BoardFixture f;
        QList<int> before;
        for (int p = 1; p <= LAST_SIGNAL_PIN; ++p)
            before << f.ShownImage(p);
        PaintCounter paints;

        f.Board().SetPinState(level, pin);

        for (int p = 1; p <= LAST_SIGNAL_PIN; ++p)
            QCOMPARE(f.ShownImage(p), p == pin ? image : before[p - 1]);
        QCOMPARE(paints.painted, image ? QStringList{QStringLiteral("pin%1").arg(pin)} : QStringList());
        QCOMPARE(f.port.Log(), std::vector<PortAccess>{});
    }

    void pinNumbersComeAndGo()
    {
        BoardFixture f;
        const QImage plain = PinImages::Get(IDB_CONNECTOR).toImage();
        const QImage numbered = PinImages::Get(IDB_CONNECTOR_NUMBERED).toImage();
        QVERIFY(plain != numbered);
        QWidget* client = f.Board().ClientArea();
        // Everywhere but under the discs, the window shows the picture as it is.
        QRegion around(plain.rect());
        for (int pin = 1; pin <= 25; ++pin)
            around -= PinWidgetRect(pin);
        auto showsAround = [&](const QImage& picture) {
            const QImage shown = client->grab().toImage().convertToFormat(picture.format());
            for (const QRect& piece : around) {
                if (shown.copy(piece) != picture.copy(piece))
                    return false;
            }
            return true;
        };

        QVERIFY(showsAround(plain));
        f.Board().OnCommand(ID_OPTIONS_PINNUMBERS);
        QCOMPARE(g_showPinNumbers, 1);
        QVERIFY(showsAround(numbered));
        f.Board().MenuAction(ID_OPTIONS_PINNUMBERS)->trigger();
        QCOMPARE(g_showPinNumbers, 0);
        QVERIFY(showsAround(plain));
        // A part of the area repainted alone gets its part of the picture.
        const QRect band(0, 0, 374, 24);
        QCOMPARE(client->grab(band).toImage().convertToFormat(plain.format()), plain.copy(band));
        QCOMPARE(f.port.Log().size() % 3, std::size_t{0}); // only poll reads, if any
    }

    // Drawn whole through the clip that the pins punch into it, Qt would fill the picture
    // on helper threads of its pool. Nothing else in these tests uses the pool.
    void paintingThePictureStartsNoThread()
    {
        BoardFixture f;
        for (int numbers : {1, 0}) {
            g_showPinNumbers = numbers;
            f.Board().ClientArea()->repaint();
        }
        QCOMPARE(PooledThreads(), 0);
    }

    void everyWayOutEndsTheWindowAndLeavesThePort_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("File > Exit") << "exit";
        QTest::newRow("Esc") << "esc";
        QTest::newRow("close box") << "close";
        QTest::newRow("window menu Close") << "syscommand";
    }
    void everyWayOutEndsTheWindowAndLeavesThePort()
    {
        QFETCH(QString, way);
        BoardFixture f;
        f.Click(3);
        f.port.ClearLog();
        if (way == QLatin1String("exit"))
            f.Board().MenuAction(ID_APP_EXIT)->trigger();
        else if (way == QLatin1String("esc"))
            QTest::keyClick(&f.Board(), Qt::Key_Escape);
        else if (way == QLatin1String("close"))
            f.Board().close();
        else
            f.Board().OnSysCommand(SC_CLOSE, 0);
        QVERIFY(!f.Board().isVisible());
        for (const PortAccess& access : f.port.Log())
            QCOMPARE(access.kind, PortAccess::Read);
        QCOMPARE(f.Chip().DataLatch(), std::uint8_t{0x02});
    }

    void minimisedIconIsCentredTowardZero()
    {
        QCOMPARE(IconOrigin(0, 0, 32, 32), QPoint(-15, -15));
        QCOMPARE(IconOrigin(374, 81, 32, 32), QPoint(171, 25));
    }
};

QTEST_MAIN(TestPinBoard)
#include "tst_pinboard.moc"
