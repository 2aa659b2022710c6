#include "app/HelpViewer.h"

#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpViewer::HelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_browser(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("Kelvaro Help"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    m_browser->setOpenExternalLinks(false);
    resize(560, 640);
}

bool HelpViewer::ShowContents(const QString& helpFile)
{
    if (helpFile.isEmpty())
        return false;
    m_file = helpFile;
    QFile file(helpFile);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        m_browser->setSearchPaths({QFileInfo(helpFile).absolutePath()});
        m_browser->setHtml(QString::fromUtf8(file.readAll()));
    } else {
        m_browser->setPlainText(QStringLiteral("The help file %1 could not be opened: %2.")
                                    .arg(helpFile, file.errorString()));
    }
    show();
    raise();
    activateWindow();
    return true;
}
