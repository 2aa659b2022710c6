#pragma once

#include <QWidget>

class QTextBrowser;

// A plain window that shows the program's help file, beside the main window.
class HelpViewer final : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows the contents of the help file; a missing file is shown as such.
    // Returns false only when the viewer itself cannot be used.
    bool ShowContents(const QString& helpFile);

    QTextBrowser* Browser() const { return m_browser; }
    QString ShownFile() const { return m_file; }

private:
    QTextBrowser* m_browser;
    QString m_file;
};
