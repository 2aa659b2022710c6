// The least a Qt Widgets program with this window can cost: a dialog of the main
// window's client size, polled by a 50 ms timer that does nothing.
// With --menu-bar it also has a menu bar with the program's four menu titles: text
// needs the font database, and the menu bar loads the style's icons, whatever the
// menus hold. The benchmark uses that one to show what the rest of the program adds.

#include <QApplication>
#include <QDialog>
#include <QMenuBar>
#include <QVBoxLayout>

#include <cstring>

namespace {

constexpr QSize CLIENT_SIZE(374, 81);

class FloorDialog final : public QDialog {
public:
    explicit FloorDialog(bool menuBar)
    {
        if (menuBar) {
            auto* layout = new QVBoxLayout(this);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->setSizeConstraint(QLayout::SetFixedSize);
            auto* client = new QWidget(this);
            client->setFixedSize(CLIENT_SIZE);
            layout->addWidget(client);
            auto* bar = new QMenuBar(this);
            for (const char* title : {"&File", "&Bidirectional", "&Options", "&Help"})
                bar->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
            layout->setMenuBar(bar);
        } else {
            setFixedSize(CLIENT_SIZE);
        }
        startTimer(50);
    }

protected:
    void timerEvent(QTimerEvent*) override {}
};

} // namespace

int main(int argc, char** argv)
{
    const bool menuBar = argc > 1 && std::strcmp(argv[1], "--menu-bar") == 0;
    QApplication app(argc, argv);
    FloorDialog dialog(menuBar);
    return dialog.exec();
}
