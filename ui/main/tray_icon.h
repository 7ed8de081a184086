#pragma once

#include <QObject>
#include <QPoint>
#include <QSystemTrayIcon>

namespace zrt {

// The mouse code of an activation of the notification-area icon.
int trayMouseCode(QSystemTrayIcon::ActivationReason reason);

// The program's icon in the desktop's notification area, with the tooltip
// "ZR Tellix 99". A left press asks for the main window, a right click for
// the pop-up menu. Mouse codes that arrive while one is being handled are
// ignored.
class TrayIcon : public QObject {
    Q_OBJECT

public:
    explicit TrayIcon(const QIcon& icon, QObject* parent = nullptr);

    void show() { icon_.show(); }
    void handleMouseCode(int code);

    QString toolTip() const { return icon_.toolTip(); }
    void setToolTip(const QString& text) { icon_.setToolTip(text); }
    void showMessage(const QString& text) { icon_.showMessage(toolTip(), text, QSystemTrayIcon::Warning); }

signals:
    void showWindowRequested();
    void menuRequested(QPoint globalPosition);

private:
    QSystemTrayIcon icon_;
    bool busy_ = false;
};

} // namespace zrt
