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
class frmIntro : public QWidget {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kStartUpDelay{1000};

    explicit frmIntro(const QVersionNumber& version, QWidget* parent = nullptr);

    const QTimer& startUpTimer() const { return Timer1_; }

signals:
    void startUpDue();

private:
    void placeControls();

    QLabel* Picture1_;
    QLabel* Label1_;
    LinkLabel* LinkLabel1_;
    LinkLabel* LinkLabel2_;
    QTimer Timer1_;
};

} // namespace zrt
