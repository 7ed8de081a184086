#include "reduction_minute_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace zrt {

namespace {

constexpr int kMostDigits = 3;
constexpr int kBoxWidth = 32;

} // namespace

ReductionMinuteBox::ReductionMinuteBox(QWidget* parent) : QFrame(parent), minuteEdit_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("fraMin"));
    minuteEdit_->setObjectName(QStringLiteral("txtMin"));
    minuteEdit_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), minuteEdit_));
    minuteEdit_->setMaxLength(kMostDigits);
    minuteEdit_->setFixedWidth(kBoxWidth);
    minuteEdit_->setAlignment(Qt::AlignRight);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("Riduzione dopo il"), this));
    layout->addWidget(minuteEdit_);
    layout->addWidget(new QLabel(tr("° min"), this));

    connect(minuteEdit_, &QLineEdit::textEdited, this, &ReductionMinuteBox::edited);
}

void ReductionMinuteBox::showMinute(int minute)
{
    minuteEdit_->setText(QString::number(minute));
}

void ReductionMinuteBox::edited(const QString& text)
{
    if (text.isEmpty()) {
        // Selected, so that the next digit typed replaces it.
        minuteEdit_->setText(QStringLiteral("0"));
        minuteEdit_->selectAll();
    }
    emit minuteEdited(minuteEdit_->text().toInt());
}

} // namespace zrt
