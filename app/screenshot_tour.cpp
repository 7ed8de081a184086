#include "screenshot_tour.h"

#include "ui/main/main_window.h"
#include "ui/main/main_menu.h"

#include "ui/setup/management_window.h"

#include "controls/drop_down_button.h"
#include "controls/flat_button.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTextStream>
#include <QTimer>

namespace zrt {

namespace {

constexpr int kMargin = 8;

struct SetupPicture {
    SetupPage page;
    const char* name;
};

constexpr SetupPicture kSetupPictures[] = {{SetupPage::Log, "setup-log"},
                                           {SetupPage::Associations, "setup-entries"},
                                           {SetupPage::Tariffs, "setup-tariffs"},
                                           {SetupPage::Statistics, "setup-statistics"}};

QWidget* topLevel(const char* name)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && widget->isVisible())
            return widget;
    }
    return nullptr;
}

MainWindow* mainWindow()
{
    return qobject_cast<MainWindow*>(topLevel("Form1"));
}

QString firstEntry(const QString& simFolder)
{
    QFile entries(simFolder + QStringLiteral("/entries"));
    if (!entries.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QTextStream(&entries).readLine();
}

void complain(const QString& what)
{
    QTextStream(stderr) << "screenshots: " << what << '\n';
}

} // namespace

ScreenshotTour::ScreenshotTour(QDir pictures, QString simFolder)
    : pictures_(std::move(pictures)), simFolder_(std::move(simFolder))
{
    after(400, [this] { shootIntro(); });
}

void ScreenshotTour::after(int milliseconds, Step step)
{
    QTimer::singleShot(milliseconds, this, std::move(step));
}

void ScreenshotTour::shoot(const char* name, QWidget* window, QWidget* alsoShown)
{
    if (!window) {
        complain(QStringLiteral("no window to take as %1").arg(QLatin1String(name)));
        return;
    }
    QRect area = window->frameGeometry();
    if (alsoShown)
        area = area.united(alsoShown->frameGeometry());
    area.adjust(-kMargin, -kMargin, kMargin, kMargin);
    const QPixmap picture = window->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    const QString file = pictures_.filePath(QLatin1String(name) + QStringLiteral(".png"));
    if (!picture.save(file, "PNG"))
        complain(QStringLiteral("cannot write %1").arg(file));
}

void ScreenshotTour::writeConnected(const QString& entries)
{
    QFile connected(simFolder_ + QStringLiteral("/connected"));
    if (!connected.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        complain(QStringLiteral("cannot write %1").arg(connected.fileName()));
    connected.write(entries.toUtf8());
}

void ScreenshotTour::shootIntro()
{
    shoot("intro", topLevel("frmIntro"));
    after(2000, [this] { shootIdle(); });
}

void ScreenshotTour::shootIdle()
{
    shoot("main-idle", mainWindow());
    writeConnected(firstEntry(simFolder_) + QLatin1Char('\n'));
    after(4500, [this] { shootLire(); });
}

void ScreenshotTour::shootLire()
{
    shoot("main-lire", mainWindow());
    if (MainWindow* window = mainWindow())
        window->menu().euroItem().trigger();
    after(1500, [this] { shootEuro(); });
}

void ScreenshotTour::shootEuro()
{
    shoot("main-euro", mainWindow());
    if (MainWindow* window = mainWindow()) {
        if (auto* button = window->findChild<DropDownButton*>(QStringLiteral("dropdown1"))) {
            button->setDropDownOpen(true);
            emit button->dropDownOpened();
        }
    }
    after(800, [this] { shootMenu(); });
}

void ScreenshotTour::shootMenu()
{
    if (MainWindow* window = mainWindow()) {
        shoot("menu", window, &window->menu());
        window->menu().hide();
    }
    writeConnected(QString());
    after(1500, [this] { openSetup(); });
}

void ScreenshotTour::openSetup()
{
    if (MainWindow* window = mainWindow())
        window->menu().setupItem().trigger();
    after(1500, [this] { shootSetupPage(0); });
}

void ScreenshotTour::shootSetupPage(std::size_t index)
{
    auto* setup = qobject_cast<ManagementWindow*>(topLevel("frmSetup"));
    if (!setup) {
        complain(QStringLiteral("the management window did not open"));
        hangUpAndEnd();
        return;
    }
    setup->choosePage(kSetupPictures[index].page);
    after(700, [this, setup, index] {
        shoot(kSetupPictures[index].name, setup);
        if (index + 1 < std::size(kSetupPictures))
            shootSetupPage(index + 1);
        else
            openEditor();
    });
}

// The editor is modal: the picture is taken from its own event loop.
void ScreenshotTour::openEditor()
{
    QWidget* setup = topLevel("frmSetup");
    auto* addButton = setup ? setup->findChild<FlatButton*>(QStringLiteral("fltbutton5")) : nullptr;
    if (!addButton) {
        complain(QStringLiteral("no button to open the tariff editor"));
        hangUpAndEnd();
        return;
    }
    after(1200, [this] { shootEditor(); });
    emit addButton->clicked();
}

void ScreenshotTour::shootEditor()
{
    QWidget* editor = topLevel("frmCambiaTariffa");
    shoot("editor", editor);
    if (editor)
        editor->close();
    if (MainWindow* window = mainWindow())
        window->menu().guideItem().trigger();
    after(1200, [this] { shootGuide(); });
}

void ScreenshotTour::shootGuide()
{
    shoot("guide", topLevel("frmGuida"));
    after(500, [this] { hangUpAndEnd(); });
}

void ScreenshotTour::hangUpAndEnd()
{
    if (MainWindow* window = mainWindow())
        window->menu().quitItem().trigger();
    QCoreApplication::quit();
}

} // namespace zrt
