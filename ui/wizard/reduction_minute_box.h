#pragma once

#include <QFrame>

class QLineEdit;

namespace zrt {

// "Riduzione dopo il [txtMin] ° min": the minute after which a per-minute
// tariff charges its second price. Takes digits only; emptied, it reads 0.
class ReductionMinuteBox : public QFrame {
    Q_OBJECT

public:
    explicit ReductionMinuteBox(QWidget* parent = nullptr);

    // Shows a stored minute without reporting an edit.
    void showMinute(int minute);

signals:
    // The user changed the minute.
    void minuteEdited(int minute);

private:
    void edited(const QString& text);

    QLineEdit* minuteEdit_;
};

} // namespace zrt
