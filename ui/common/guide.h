#pragma once

#include "guide_window.h"

#include <QObject>
#include <QPointer>
#include <QString>

namespace zrt {

// The name of a window's page in the user guide, kept as a property of the
// window: the page F1 opens there.
inline constexpr char kGuidePageProperty[] = "guidePage";
inline const QString kGuideFirstPage = QStringLiteral("index.html");

// The language of the guide for the system's locale: "it" for Italian and
// for the C/POSIX locale, "en" for every other language.
QString guideLanguage();

// The folder of the installed guide in a language:
// share/doc/zrtellix/guide/LANGUAGE beside the program's folder.
QString installedGuideFolder(const QString& language);

// The user guide of the program, in one window opened on demand, and F1
// anywhere in the program, which opens it at the page of the window it was
// pressed in.
class Guide : public QObject {
    Q_OBJECT

public:
    explicit Guide(QString folder, QObject* parent = nullptr);
    ~Guide() override;

    // Shows the page, a file name of the guide ("log.html").
    void open(const QString& page);
    GuideWindow* window() const { return window_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString folder_;
    QPointer<GuideWindow> window_;
};

} // namespace zrt
