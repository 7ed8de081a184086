#include "setup_window_fixture.h"

#include <QApplication>
#include <QTest>

namespace zrt::test {

AutostartOutcome FakeAutostart::switchOn(const QString& name, const QString& executablePath)
{
    calls.append(QStringLiteral("on %1 %2").arg(name, executablePath));
    on = onOutcome != AutostartOutcome::Failed;
    return onOutcome;
}

bool FakeAutostart::switchOff()
{
    calls.append(QStringLiteral("off"));
    on = on && !offSucceeds;
    return offSucceeds;
}

SetupWindowTest::SetupWindowTest()
    : settings_(settingsFolder_.filePath(QStringLiteral("settings.ini"))),
      window_(std::make_unique<frmSetup>(scratch_.path(), kExecutable, autostart_, settings_, messages_))
{
    window_->show();
}

void SetupWindowTest::activate()
{
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(window_.get(), &activation);
}

void click(QWidget* button)
{
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

} // namespace zrt::test
