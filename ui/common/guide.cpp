#include "guide.h"

#include "guide_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLocale>

namespace zrt {

QString guideLanguage()
{
    const QLocale::Language language = QLocale::system().language();
    return language == QLocale::Italian || language == QLocale::C ? QStringLiteral("it") : QStringLiteral("en");
}

QString installedGuideFolder(const QString& language)
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/doc/zrtellix/guide/")
                           + language);
}

Guide::Guide(QString folder, QObject* parent) : QObject(parent), folder_(std::move(folder)) {}

Guide::~Guide()
{
    delete window_;
}

void Guide::open(const QString& page)
{
    if (!window_)
        window_ = new GuideWindow(folder_);
    window_->showPage(page);
}

// The page of the window F1 was pressed in: the nearest window, dialog or
// page up from the widget with the focus that names one.
bool Guide::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    for (QWidget* candidate = widget; candidate; candidate = candidate->parentWidget()) {
        const QString page = candidate->property(kGuidePageProperty).toString();
        if (!page.isEmpty()) {
            open(page);
            return true;
        }
    }
    open(kGuideFirstPage);
    return true;
}

} // namespace zrt
