#pragma once

#include <QDir>
#include <QObject>
#include <QString>

#include <cstddef>
#include <functional>

class QWidget;

namespace zrt {

// Plays a connection on the simulated dialer while the windows run and
// takes pictures of them from the screen: the intro, the main window idle,
// metering in Lire and in Euro, its pop-up menu, the management window's
// first pages, the tariff editor and the guide. Then ends the program.
class ScreenshotTour : public QObject {
    Q_OBJECT

public:
    ScreenshotTour(QDir pictures, QString simFolder);

private:
    using Step = std::function<void()>;
    void after(int milliseconds, Step step);
    void shoot(const char* name, QWidget* window, QWidget* alsoShown = nullptr);
    void writeConnected(const QString& entries);

    void shootIntro();
    void shootIdle();
    void shootLire();
    void shootEuro();
    void shootMenu();
    void openSetup();
    void shootSetupPage(std::size_t index);
    void openEditor();
    void shootEditor();
    void shootGuide();
    void hangUpAndEnd();

    QDir pictures_;
    QString simFolder_;
};

} // namespace zrt
