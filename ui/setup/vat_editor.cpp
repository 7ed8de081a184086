#include "vat_editor.h"

#include "setup_widgets.h"
#include "ui/common/user_messages.h"

#include "controls/flat_button.h"
#include "database/database.h"
#include "database/database_error.h"
#include "database/vat_store.h"
#include "engine/value_bounds.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QRegularExpression>

namespace zrt {

namespace {

Q_LOGGING_CATEGORY(lcVat, "zrtellix.setup.vat")

constexpr int kBoxWidth = 32;

// The whole percentage a text stands for: up to three digits, blanks
// around allowed, from 0 to 100.
std::optional<int> wholeRate(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,3}$"));
    const QString trimmed = text.trimmed();
    if (!digits.match(trimmed).hasMatch())
        return std::nullopt;
    const int rate = trimmed.toInt();
    return isValidVatRate(rate) ? std::optional<int>(rate) : std::nullopt;
}

} // namespace

VatEditor::VatEditor(QString databasePath, UserMessages& messages, QWidget* parent)
    : QWidget(parent), databasePath_(std::move(databasePath)), messages_(messages), rateEdit_(new QLineEdit(this)),
      okButton_(setupButton(QStringLiteral("fltbutton11"), tr("Modifica"), this)),
      cancelButton_(setupButton(QStringLiteral("fltbutton12"), tr("Annulla"), this))
{
    rateEdit_->setObjectName(QStringLiteral("txtIva"));
    rateEdit_->setFixedWidth(kBoxWidth);
    rateEdit_->setAlignment(Qt::AlignRight);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(setupLabel(QStringLiteral("Label11"), tr("I.V.A."), this));
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
    readStoredRate(false);
    showRate();
}

void VatEditor::reload()
{
    const std::optional<int> before = rate_;
    readStoredRate(!before.has_value());
    if (!isEditing())
        showRate();
    if (rate_ && rate_ != before)
        emit vatChanged(*rate_);
}

void VatEditor::readStoredRate(bool reportedAlready)
{
    try {
        Database database = Database::open(databasePath_, Database::Access::ReadOnly);
        rate_ = VatStore(database).read();
    } catch (const DatabaseError& error) {
        rate_.reset();
        qCWarning(lcVat).noquote() << "The VAT rate cannot be read:" << error.message();
        if (!reportedAlready)
            messages_.warn(this, tr("L'aliquota IVA salvata non si può leggere o non è valida: finché non viene "
                                    "impostata con \"Modifica\", le spese non possono essere calcolate."));
    }
}

void VatEditor::showRate()
{
    if (!isEditing())
        rateEdit_->setText(rate_ ? QString::number(*rate_) : QString());
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
    okButton_->setCaption(editing ? tr("OK") : tr("Modifica"));
    cancelButton_->setVisible(editing);
    rateEdit_->setEnabled(editing);
    if (editing)
        rateEdit_->setFocus();
}

void VatEditor::cancel()
{
    setEditing(false);
    reload();
}

void VatEditor::confirm()
{
    const std::optional<int> rate = wholeRate(rateEdit_->text());
    if (!rate) {
        messages_.warn(this, tr("\"%1\" non è un'aliquota IVA: scrivere un numero intero da 0 a 100.")
                                 .arg(rateEdit_->text()));
        return;
    }
    if (!store(*rate))
        return;
    rate_ = *rate;
    setEditing(false);
    showRate();
    emit vatChanged(*rate);
}

bool VatEditor::store(int rate)
{
    try {
        Database database = Database::open(databasePath_);
        VatStore(database).write(rate);
        return true;
    } catch (const DatabaseError& error) {
        qCWarning(lcVat).noquote() << "The VAT rate could not be saved:" << error.message();
        messages_.warn(this, tr("L'aliquota IVA non è stata salvata: il file delle tariffe non si può scrivere. "
                                "Riprovare più tardi."));
        return false;
    }
}

} // namespace zrt
