#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace zrt {

// The user guide's pages with the links between them, back and forward,
// and "Apri nel browser", which hands the page shown to the desktop's
// browser. Links to the web open there too.
class GuideWindow : public QWidget {
    Q_OBJECT

public:
    explicit GuideWindow(QString folder, QWidget* parent = nullptr);

    // Shows the page and brings the window to the front; a guide that is
    // not installed is said so in the window.
    void showPage(const QString& page);
    QUrl currentPage() const;

private:
    void openInBrowser();

    QString folder_;
    QTextBrowser* browser_;
};

} // namespace zrt
