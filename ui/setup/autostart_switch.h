#pragma once

#include <QObject>
#include <QString>

class QCheckBox;

namespace zrt {

class Autostart;
class Settings;
class UserMessages;

// Drives the "Avvio Automatico" box: ticking it registers the program to
// start with the desktop session and stores "SecondoAvvio"/"Auto"; clearing
// it removes the registration. A change that fails is reported and the box
// goes back, leaving the stored setting as it was.
class AutostartSwitch : public QObject {
    Q_OBJECT

public:
    AutostartSwitch(QCheckBox& box, Autostart& autostart, Settings& settings, QString executablePath,
                    UserMessages& messages);

    // Sets the box from the stored setting. A box that changes state is
    // carried out like a click, with failures logged rather than shown, so
    // that the registration follows the setting.
    void syncFromSettings();

private:
    enum class Feedback { Shown, Logged };

    void apply(bool on, Feedback feedback);
    bool switchOn(Feedback feedback);
    bool switchOff(Feedback feedback);
    void report(Feedback feedback, const QString& text);

    QCheckBox& box_;
    Autostart& autostart_;
    Settings& settings_;
    QString executablePath_;
    UserMessages& messages_;
};

} // namespace zrt
