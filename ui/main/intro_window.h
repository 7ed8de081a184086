#pragma once

#include <QTimer>
#include <QVersionNumber>
#include <QWidget>

#include <chrono>

class QLabel;

namespace zrt {

class LinkLabel;

// The first window: the program's name, version and maker while the
// start-up waits. startUpDue comes once, a second after the window was made.
class IntroWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kStartUpDelay{1000};

    explicit IntroWindow(const QVersionNumber& version, QWidget* parent = nullptr);

    const QTimer& startUpTimer() const { return startUpTimer_; }

signals:
    void startUpDue();

private:
    void placeControls();

    QLabel* iconLabel_;
    QLabel* titleLabel_;
    LinkLabel* siteLink_;
    LinkLabel* mailLink_;
    QTimer startUpTimer_;
};

} // namespace zrt
