#include "controls/altro.h"

#include "controls/fltbutton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zrt {
namespace {

QComboBox* makeList(QWidget* parent, const char* name, const QStringList& items)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->addItems(items);
    return list;
}

// The list's entry for value, or no entry when the list has none for it.
void showValue(QComboBox& list, int value)
{
    list.setCurrentIndex(value >= 0 && value < list.count() ? value : -1);
}

} // namespace

Altro::Altro(QWidget* parent)
    : QWidget(parent), txtCaption_(new QLineEdit(this)), chkEnabled_(new QCheckBox(this)),
      cboDirezione_(makeList(this, "cboDirezione",
                             {QStringLiteral("Orizzontale"), QStringLiteral("Verticale"),
                              QStringLiteral("Orizzontale 180 gradi"), QStringLiteral("Verticale 180 gradi")})),
      cboalignment_(makeList(this, "cboalignment",
                             {QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Center")})),
      cboStyle_(makeList(this, "cboStyle", {QStringLiteral("Normal"), QStringLiteral("Label")}))
{
    txtCaption_->setObjectName(QStringLiteral("txtCaption"));
    chkEnabled_->setObjectName(QStringLiteral("chkEnabled"));

    auto* enabledFrame = new QGroupBox(QStringLiteral("Enabled"), this);
    auto* enabledLayout = new QVBoxLayout(enabledFrame);
    enabledLayout->addWidget(chkEnabled_);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Caption:"), txtCaption_);
    form->addRow(enabledFrame);
    form->addRow(QStringLiteral("Direzione Caption"), cboDirezione_);
    form->addRow(QStringLiteral("Alignment"), cboalignment_);
    form->addRow(QStringLiteral("Style"), cboStyle_);

    connect(txtCaption_, &QLineEdit::textEdited, this, &Altro::markChanged);
    connect(chkEnabled_, &QCheckBox::clicked, this, &Altro::markChanged);
    connect(cboDirezione_, &QComboBox::activated, this, &Altro::markChanged);
    connect(cboalignment_, &QComboBox::activated, this, &Altro::markChanged);
    connect(cboStyle_, &QComboBox::activated, this, &Altro::styleChosen);

    setEnabled(false);
}

void Altro::setSelectedControls(const QList<fltbutton*>& selection)
{
    selection_.clear();
    for (fltbutton* control : selection)
        selection_.append(control);
    changed_ = false;
    setEnabled(!selection_.isEmpty());
    if (selection_.isEmpty())
        return;

    const fltbutton& first = *selection_.first();
    txtCaption_->setText(first.Caption());
    chkEnabled_->setChecked(first.isEnabled());
    showValue(*cboDirezione_, first.CaptionDirection());
    showValue(*cboalignment_, first.Alignment());
    showValue(*cboStyle_, first.Style());
    cboalignment_->setEnabled(first.Style() == FltStyle::Label);
}

void Altro::apply()
{
    if (selection_.isEmpty() || !selection_.first())
        return;
    fltbutton& first = *selection_.first();
    first.setCaption(txtCaption_->text());
    first.setEnabled(chkEnabled_->isChecked());
    // A value the lists have no entry for (set in code) is left as it is.
    if (cboDirezione_->currentIndex() >= 0)
        first.setCaptionDirection(cboDirezione_->currentIndex());
    if (cboalignment_->currentIndex() >= 0)
        first.setAlignment(cboalignment_->currentIndex());
    if (cboStyle_->currentIndex() >= 0)
        first.setStyle(cboStyle_->currentIndex());
    changed_ = false;
}

void Altro::markChanged()
{
    changed_ = true;
    emit changed();
}

void Altro::styleChosen(int index)
{
    cboalignment_->setEnabled(index == FltStyle::Label);
    markChanged();
}

} // namespace zrt
