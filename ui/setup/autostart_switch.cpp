#include "autostart_switch.h"

#include "ui/common/autostart.h"
#include "ui/common/user_messages.h"

#include "ui/common/settings.h"

#include <QCheckBox>
#include <QLoggingCategory>

namespace zrt {

namespace {

Q_LOGGING_CATEGORY(lcAutostart, "zrtellix.autostart")

} // namespace

AutostartSwitch::AutostartSwitch(QCheckBox& box, Autostart& autostart, Settings& settings, QString executablePath,
                                 UserMessages& messages)
    : QObject(&box), box_(box), autostart_(autostart), settings_(settings),
      executablePath_(std::move(executablePath)), messages_(messages)
{
    connect(&box_, &QCheckBox::clicked, this, [this](bool ticked) { apply(ticked, Feedback::Shown); });
}

void AutostartSwitch::syncFromSettings()
{
    const bool stored = settings_.autostartOn();
    if (box_.isChecked() == stored)
        return;
    box_.setChecked(stored);
    apply(stored, Feedback::Logged);
}

void AutostartSwitch::apply(bool on, Feedback feedback)
{
    const bool done = on ? switchOn(feedback) : switchOff(feedback);
    if (!done) {
        box_.setChecked(!on);
        return;
    }
    settings_.setAutostartOn(on);
}

bool AutostartSwitch::switchOn(Feedback feedback)
{
    if (autostart_.switchOn(kAutostartName, executablePath_))
        return true;
    report(feedback,
           tr("Non è stato possibile impostare l'avvio automatico di ZR Tellix 99 all'accesso al desktop."));
    return false;
}

bool AutostartSwitch::switchOff(Feedback feedback)
{
    if (autostart_.switchOff())
        return true;
    report(feedback,
           tr("ZR Tellix 99 continua a partire all'accesso al desktop: l'avvio automatico non si è potuto togliere."));
    return false;
}

void AutostartSwitch::report(Feedback feedback, const QString& text)
{
    if (feedback == Feedback::Logged)
        qCWarning(lcAutostart).noquote() << text;
    else
        messages_.warn(box_.window(), text);
}

} // namespace zrt
