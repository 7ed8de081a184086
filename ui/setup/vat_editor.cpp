#include "vat_editor.h"

#include "setup_widgets.h"
#include "ui/common/user_messages.h"

#include "controls/flat_button.h"
#include "database/database.h"
#include "database/database_error.h"
#include "database/vat_store.h"
#include "engine/italian_number.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>

#include <cmath>

namespace zrt {

namespace {

Q_LOGGING_CATEGORY(lcVat, "zrtellix.setup.vat")

constexpr int kHighestRate = 100;
constexpr int kBoxWidth = 32;

const QString kModifica = QStringLiteral("Modifica");
const QString kOk = QStringLiteral("OK");

// The whole percentage a text stands for, if it is one from 0 to 100.
std::optional<int> wholeRate(const QString& text)
{
    const std::optional<double> value = parseItalianNumber(text.toStdString());
    if (!value || *value < 0 || *value > kHighestRate)
        return std::nullopt;
    return int(std::lround(*value));
}

} // namespace

VatEditor::VatEditor(QString databasePath, UserMessages& messages, QWidget* parent)
    : QWidget(parent), databasePath_(std::move(databasePath)), messages_(messages), rateEdit_(new QLineEdit(this)),
      okButton_(setupButton(QStringLiteral("fltbutton11"), kModifica, this)),
      cancelButton_(setupButton(QStringLiteral("fltbutton12"), QStringLiteral("Annulla"), this))
{
    rateEdit_->setObjectName(QStringLiteral("txtIva"));
    rateEdit_->setFixedWidth(kBoxWidth);
    rateEdit_->setAlignment(Qt::AlignRight);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(setupLabel(QStringLiteral("Label11"), QStringLiteral("I.V.A."), this));
    layout->addWidget(rateEdit_);
    layout->addWidget(setupLabel(QStringLiteral("Label10"), QStringLiteral("%"), this));
    layout->addWidget(okButton_);
    layout->addWidget(cancelButton_);
    layout->addStretch();

    connect(okButton_, &FlatButton::clicked, this, &VatEditor::modificaClicked);
    connect(cancelButton_, &FlatButton::clicked, this, &VatEditor::cancel);
    setEditing(false);
}

void VatEditor::load()
{
    try {
        Database database = Database::open(databasePath_, Database::Access::ReadOnly);
        rate_ = VatStore(database).read();
    } catch (const DatabaseError& error) {
        qCWarning(lcVat).noquote() << "The VAT rate cannot be read:" << error.message();
    }
    showRate();
}

void VatEditor::showRate()
{
    if (!isEditing())
        rateEdit_->setText(QString::number(rate_));
}

bool VatEditor::isEditing() const
{
    return rateEdit_->isEnabled();
}

void VatEditor::modificaClicked()
{
    if (isEditing())
        confirm();
    else
        setEditing(true);
}

void VatEditor::setEditing(bool editing)
{
    okButton_->setCaption(editing ? kOk : kModifica);
    cancelButton_->setVisible(editing);
    rateEdit_->setEnabled(editing);
    if (editing)
        rateEdit_->setFocus();
}

void VatEditor::cancel()
{
    setEditing(false);
    showRate();
}

void VatEditor::confirm()
{
    const std::optional<int> rate = wholeRate(rateEdit_->text());
    if (!rate) {
        messages_.warn(this, QStringLiteral("\"%1\" is not a VAT rate: type a whole percentage from 0 to %2. "
                                            "The rate stays at %3 %.")
                                 .arg(rateEdit_->text())
                                 .arg(kHighestRate)
                                 .arg(rate_));
        return;
    }
    if (!store(*rate))
        return;
    rate_ = *rate;
    setEditing(false);
    showRate();
    emit vatChanged(rate_);
}

bool VatEditor::store(int rate)
{
    try {
        Database database = Database::open(databasePath_);
        VatStore(database).write(rate);
        return true;
    } catch (const DatabaseError& error) {
        messages_.warn(this, QStringLiteral("The VAT rate could not be saved: %1").arg(error.message()));
        return false;
    }
}

} // namespace zrt
