#include "DialogTestKit.h"
#include "PortFixture.h"
#include "TestPrinting.h"
#include "app/CPortApp.h"
#include "ui/CPortSelectDlg.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using Ports = QList<int>;

namespace {

// A port table as discovery would have left it, in the order given.
struct PortTable {
    PortFixture f;
    std::array<PortAddress, PORT_CANDIDATES.size()> table{};

    PortTable(const Ports& ports, int current)
    {
        for (qsizetype i = 0; i < ports.size(); ++i)
            table[i] = static_cast<PortAddress>(ports[i]);
        g_portList = table.data();
        g_portCount = static_cast<std::uint8_t>(ports.size());
        g_portBase = static_cast<PortAddress>(current);
    }
};

QPushButton* Button(const QWidget* dialog, const char* name)
{
    return dialog->findChild<QPushButton*>(QLatin1String(name));
}

QString Focused()
{
    const QWidget* widget = QApplication::focusWidget();
    return widget ? widget->objectName() : QStringLiteral("(nothing)");
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    if (QWidget* widget = QApplication::focusWidget())
        QTest::keyClick(widget, key, modifiers);
}

void ClickRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = {})
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(list->item(row)).center());
}

QList<int> SelectedRows(const QListWidget* list)
{
    QList<int> rows;
    for (const QListWidgetItem* item : list->selectedItems())
        rows << list->row(item);
    return rows;
}

// Does what a person would with the list, then presses OK or leaves another way.
void Choose(CPortSelectDlg* dialog, const QString& how)
{
    QListWidget* list = dialog->PortList();
    if (how == QLatin1String("click third")) {
        ClickRow(list, 2);
    } else if (how == QLatin1String("Tab, Down")) {
        Press(Qt::Key_Tab);
        Press(Qt::Key_Tab);
        Press(Qt::Key_Down);
    } else if (how == QLatin1String("double-click third")) {
        // As a mouse delivers it: the second press comes as the double-click.
        const QPoint at = list->visualItemRect(list->item(2)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    } else if (how == QLatin1String("Tab into the list")) {
        Press(Qt::Key_Tab);
        Press(Qt::Key_Tab);
    } else if (how == QLatin1String("click second, Ctrl+click it again")) {
        ClickRow(list, 1);
        ClickRow(list, 1, Qt::ControlModifier);
    }
}

} // namespace

class TestPortSelectDlg : public QObject {
    Q_OBJECT
private slots:
    void showsItsTexts()
    {
        PortTable ports({0x378, 0x278, 0x3BC}, 0x378);
        CPortSelectDlg dialog;
        dialog.show();

        QCOMPARE(dialog.windowTitle(), QStringLiteral("Choose the new parallel port to test"));
        QCOMPARE(dialog.findChild<QLabel*>()->text(),
                 QStringLiteral("These are the ports addresses I've found on your system."));
        QCOMPARE(Button(&dialog, "okButton")->text(), QStringLiteral("OK"));
        QCOMPARE(Button(&dialog, "cancelButton")->text(), QStringLiteral("Cancel"));
        QVERIFY(Button(&dialog, "okButton")->isDefault());
        QCOMPARE(dialog.PortList()->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QCOMPARE(ClippedItems(dialog).join(u", "), QString());
        // Three ports, every one whole without scrolling.
        for (int row = 0; row < 3; ++row)
            QVERIFY(dialog.PortList()->viewport()->rect().contains(
                dialog.PortList()->visualItemRect(dialog.PortList()->item(row))));
    }

    void listsThePorts_data()
    {
        QTest::addColumn<Ports>("table");
        QTest::addColumn<int>("current");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QList<int>>("selected");

        QTest::newRow("one port") << Ports{0x378} << 0x378 << QStringList{"Port 1: 378"} << QList<int>{0};
        QTest::newRow("three, second current") << Ports{0x378, 0x278, 0x3BC} << 0x278
                                               << QStringList{"Port 1: 378", "Port 2: 278", "Port 3: 3BC"}
                                               << QList<int>{1};
        QTest::newRow("table order, not sorted") << Ports{0x3BC, 0x278, 0x378} << 0x378
                                                 << QStringList{"Port 1: 3BC", "Port 2: 278", "Port 3: 378"}
                                                 << QList<int>{2};
        QTest::newRow("current not listed") << Ports{0x378, 0x3BC} << 0x278
                                            << QStringList{"Port 1: 378", "Port 2: 3BC"} << QList<int>{};
    }
    void listsThePorts()
    {
        QFETCH(Ports, table);
        QFETCH(int, current);
        QFETCH(QStringList, labels);
        QFETCH(QList<int>, selected);
        PortTable ports(table, current);
        CPortSelectDlg dialog;
        dialog.show();

        QStringList shown;
        for (int row = 0; row < dialog.PortList()->count(); ++row)
            shown << dialog.PortList()->item(row)->text();
        QCOMPARE(shown, labels);
        QCOMPARE(SelectedRows(dialog.PortList()), selected);
        QCOMPARE(ports.f.Log(), std::vector<PortAccess>{});
    }

    void okTakesTheSelection_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<Qt::Key>("okKey"); // Key_unknown: click OK
        QTest::addColumn<int>("port");

        QTest::newRow("nothing changed") << "" << Qt::Key_unknown << 0x378;
        QTest::newRow("click") << "click third" << Qt::Key_unknown << 0x3BC;
        QTest::newRow("arrow key, Enter") << "Tab, Down" << Qt::Key_Return << 0x278;
        QTest::newRow("double-click only selects") << "double-click third" << Qt::Key_unknown << 0x3BC;
    }
    void okTakesTheSelection()
    {
        QFETCH(QString, how);
        QFETCH(Qt::Key, okKey);
        QFETCH(int, port);
        PortTable ports({0x378, 0x278, 0x3BC}, 0x378);
        bool openAfterChoosing = false;
        ModalWatch<CPortSelectDlg> watch([&](CPortSelectDlg* dialog) {
            Choose(dialog, how);
            openAfterChoosing = dialog->isVisible();
            if (okKey == Qt::Key_unknown)
                Button(dialog, "okButton")->click();
            else
                Press(okKey);
        });
        CPortSelectDlg dialog;

        QCOMPARE(dialog.exec(), int(IDOK));
        QVERIFY(openAfterChoosing);
        QCOMPARE(g_portBase, PortAddress(port));
    }

    // OK with nothing selected keeps the port, even when the list has a current item.
    void okWithoutSelectionKeepsThePort_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("currentRow"); // the list's current item when OK is pressed

        QTest::newRow("current port not listed") << "" << 0x2BC << -1;
        QTest::newRow("list focused, nothing chosen") << "Tab into the list" << 0x2BC << 0;
        QTest::newRow("selection undone") << "click second, Ctrl+click it again" << 0x378 << 1;
    }
    void okWithoutSelectionKeepsThePort()
    {
        QFETCH(QString, how);
        QFETCH(int, current);
        QFETCH(int, currentRow);
        PortTable ports({0x378, 0x278, 0x3BC}, current);
        QList<int> selectedAtOk{-1};
        int currentRowAtOk = -2;
        ModalWatch<CPortSelectDlg> watch([&](CPortSelectDlg* dialog) {
            Choose(dialog, how);
            selectedAtOk = SelectedRows(dialog->PortList());
            currentRowAtOk = dialog->PortList()->currentRow();
            Button(dialog, "okButton")->click();
        });
        CPortSelectDlg dialog;

        QCOMPARE(dialog.exec(), int(IDOK));
        QCOMPARE(selectedAtOk, QList<int>{});
        QCOMPARE(currentRowAtOk, currentRow);
        QCOMPARE(g_portBase, PortAddress(current));
    }

    void leavingKeepsThePort_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Cancel") << "Cancel";
        QTest::newRow("Esc") << "Esc";
        QTest::newRow("close box") << "close box";
    }
    void leavingKeepsThePort()
    {
        QFETCH(QString, way);
        PortTable ports({0x378, 0x278, 0x3BC}, 0x278);
        ModalWatch<CPortSelectDlg> watch([&](CPortSelectDlg* dialog) {
            Choose(dialog, QStringLiteral("click third"));
            if (way == QLatin1String("Cancel"))
                Button(dialog, "cancelButton")->click();
            else if (way == QLatin1String("Esc"))
                Press(Qt::Key_Escape);
            else
                PressCloseBox(dialog);
        });
        CPortSelectDlg dialog;

        QCOMPARE(dialog.exec(), int(IDCANCEL));
        QCOMPARE(g_portBase, PortAddress(0x278));
    }

    void keyboardAtOpen()
    {
        PortTable ports({0x378, 0x278}, 0x378);
        QStringList focusPath;
        ModalWatch<CPortSelectDlg> watch([&](CPortSelectDlg*) {
            focusPath << Focused();
            for (int i = 0; i < 3; ++i) {
                Press(Qt::Key_Tab);
                focusPath << Focused();
            }
            Press(Qt::Key_Escape);
        });
        CPortSelectDlg dialog;

        QCOMPARE(dialog.exec(), int(IDCANCEL));
        QCOMPARE(focusPath, (QStringList{"okButton", "cancelButton", "portList", "okButton"}));
    }
};

int main(int argc, char** argv)
{
    CPortApp app(argc, argv);
    TestPortSelectDlg test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_portselectdlg.moc"
