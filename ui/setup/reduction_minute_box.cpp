#include "reduction_minute_box.h"

#include "setup_widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace zrt {

namespace {

constexpr int kMostDigits = 3;
constexpr int kBoxWidth = 32;

} // namespace

ReductionMinuteBox::ReductionMinuteBox(QWidget* parent) : QFrame(parent), txtMin_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("fraMin"));
    txtMin_->setObjectName(QStringLiteral("txtMin"));
    txtMin_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), txtMin_));
    txtMin_->setMaxLength(kMostDigits);
    txtMin_->setFixedWidth(kBoxWidth);
    txtMin_->setAlignment(Qt::AlignRight);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(setupLabel(QStringLiteral("lblRiduzione"), QStringLiteral("Riduzione dopo il"), this));
    layout->addWidget(txtMin_);
    layout->addWidget(setupLabel(QStringLiteral("lblMin"), QStringLiteral("° min"), this));

    connect(txtMin_, &QLineEdit::textEdited, this, &ReductionMinuteBox::edited);
}

void ReductionMinuteBox::showMinute(int minute)
{
    txtMin_->setText(QString::number(minute));
}

void ReductionMinuteBox::edited(const QString& text)
{
    if (text.isEmpty()) {
        // Selected, so that the next digit typed replaces it.
        txtMin_->setText(QStringLiteral("0"));
        txtMin_->selectAll();
    }
    emit minuteEdited(txtMin_->text().toInt());
}

} // namespace zrt
