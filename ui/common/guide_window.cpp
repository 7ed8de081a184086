#include "guide_window.h"

#include "window_log.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace zrt {

namespace {

constexpr QSize kInitialSize(720, 560);

QToolButton* historyButton(const QString& objectName, const QString& text, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setText(text);
    button->setEnabled(false);
    return button;
}

} // namespace

GuideWindow::GuideWindow(QString folder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(std::move(folder)), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("frmGuida"));
    setWindowTitle(tr("Guida di ZR Tellix 99"));
    resize(kInitialSize);
    browser_->setObjectName(QStringLiteral("txtGuida"));
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({folder_});

    QToolButton* back = historyButton(QStringLiteral("cmdIndietro"), tr("< Indietro"), this);
    QToolButton* forward = historyButton(QStringLiteral("cmdAvanti"), tr("Avanti >"), this);
    auto* browserButton = new QPushButton(tr("Apri nel browser"), this);
    browserButton->setObjectName(QStringLiteral("cmdBrowser"));
    connect(back, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);
    connect(browserButton, &QPushButton::clicked, this, &GuideWindow::openInBrowser);

    auto* bar = new QHBoxLayout;
    bar->addWidget(back);
    bar->addWidget(forward);
    bar->addStretch();
    bar->addWidget(browserButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(browser_);
}

void GuideWindow::showPage(const QString& page)
{
    const QFileInfo file(folder_ + QLatin1Char('/') + page);
    if (file.isFile()) {
        browser_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    } else {
        qCWarning(uiLog) << "the guide page" << file.filePath() << "is not installed";
        browser_->setHtml(tr("<p>La guida non è installata: manca la pagina <tt>%1</tt>.</p>")
                              .arg(file.filePath().toHtmlEscaped()));
    }
    show();
    raise();
    activateWindow();
}

QUrl GuideWindow::currentPage() const
{
    return browser_->source();
}

void GuideWindow::openInBrowser()
{
    const QUrl page = currentPage();
    if (page.isEmpty() || !QDesktopServices::openUrl(page))
        qCWarning(uiLog) << "the desktop could not open the guide page" << page.toDisplayString();
}

} // namespace zrt
