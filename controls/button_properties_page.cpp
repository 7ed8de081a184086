#include "controls/button_properties_page.h"

#include "controls/flat_button.h"

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

ButtonPropertiesPage::ButtonPropertiesPage(QWidget* parent)
    : QWidget(parent), captionEdit_(new QLineEdit(this)), enabledBox_(new QCheckBox(this)),
      directionBox_(makeList(this, "cboDirezione",
                             {tr("Orizzontale"), tr("Verticale"),
                              tr("Orizzontale 180 gradi"), tr("Verticale 180 gradi")})),
      alignmentBox_(makeList(this, "cboalignment",
                             {tr("Left"), tr("Right"), tr("Center")})),
      styleBox_(makeList(this, "cboStyle", {tr("Normal"), tr("Label")}))
{
    captionEdit_->setObjectName(QStringLiteral("txtCaption"));
    enabledBox_->setObjectName(QStringLiteral("chkEnabled"));

    auto* enabledFrame = new QGroupBox(tr("Enabled"), this);
    auto* enabledLayout = new QVBoxLayout(enabledFrame);
    enabledLayout->addWidget(enabledBox_);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Caption:"), captionEdit_);
    form->addRow(enabledFrame);
    form->addRow(tr("Direzione Caption"), directionBox_);
    form->addRow(tr("Alignment"), alignmentBox_);
    form->addRow(tr("Style"), styleBox_);

    connect(captionEdit_, &QLineEdit::textEdited, this, &ButtonPropertiesPage::markChanged);
    connect(enabledBox_, &QCheckBox::clicked, this, &ButtonPropertiesPage::markChanged);
    connect(directionBox_, &QComboBox::activated, this, &ButtonPropertiesPage::markChanged);
    connect(alignmentBox_, &QComboBox::activated, this, &ButtonPropertiesPage::markChanged);
    connect(styleBox_, &QComboBox::activated, this, &ButtonPropertiesPage::styleChosen);

    setEnabled(false);
}

void ButtonPropertiesPage::setSelectedControls(const QList<FlatButton*>& selection)
{
    selection_.clear();
    for (FlatButton* control : selection)
        selection_.append(control);
    changed_ = false;
    setEnabled(!selection_.isEmpty());
    if (selection_.isEmpty())
        return;

    const FlatButton& first = *selection_.first();
    captionEdit_->setText(first.caption());
    enabledBox_->setChecked(first.isEnabled());
    showValue(*directionBox_, static_cast<int>(first.captionDirection()));
    showValue(*alignmentBox_, static_cast<int>(first.alignment()));
    showValue(*styleBox_, static_cast<int>(first.buttonStyle()));
    alignmentBox_->setEnabled(first.buttonStyle() == FlatButton::ButtonStyle::Label);
}

void ButtonPropertiesPage::apply(const PropertyWriter& write)
{
    if (selection_.isEmpty() || !selection_.first())
        return;
    FlatButton& first = *selection_.first();
    write(first, "Caption", captionEdit_->text());
    write(first, "enabled", enabledBox_->isChecked());
    // Each list's entries are in the order of the values, so an entry's
    // index is its value. A value the lists have no entry for (set in code)
    // is left as it is.
    const auto writeChoice = [&](const char* name, const QComboBox& list, auto value) {
        if (list.currentIndex() >= 0)
            write(first, name, QVariant::fromValue(static_cast<decltype(value)>(list.currentIndex())));
    };
    writeChoice("CaptionDirection", *directionBox_, FlatButton::CaptionDirection{});
    writeChoice("Alignment", *alignmentBox_, FlatButton::Alignment{});
    writeChoice("Style", *styleBox_, FlatButton::ButtonStyle{});
    changed_ = false;
}

void ButtonPropertiesPage::writeDirectly(QWidget& control, const char* name, const QVariant& value)
{
    control.setProperty(name, value);
}

void ButtonPropertiesPage::markChanged()
{
    changed_ = true;
    emit changed();
}

void ButtonPropertiesPage::styleChosen(int index)
{
    alignmentBox_->setEnabled(static_cast<FlatButton::ButtonStyle>(index) == FlatButton::ButtonStyle::Label);
    markChanged();
}

} // namespace zrt
