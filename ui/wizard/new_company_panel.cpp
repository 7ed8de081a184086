#include "new_company_panel.h"

#include "wizard_widgets.h"

#include "controls/flat_button.h"
#include "engine/tariff.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zrt {

namespace {

QString meteringName(std::string_view latin1)
{
    return QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()));
}

} // namespace

NewCompanyPanel::NewCompanyPanel(QWidget* parent)
    : QFrame(parent), nameEdit_(new QLineEdit(this)), meteringBox_(new QComboBox(this)),
      okButton_(wizardButton(QStringLiteral("fltOK"), tr("OK"), this))
{
    setObjectName(QStringLiteral("Picture1"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    nameEdit_->setObjectName(QStringLiteral("Text3"));
    meteringBox_->setObjectName(QStringLiteral("cboTar"));
    // The stored names are the data; the list shows them in the user's words.
    meteringBox_->addItem(tr("Minuto"), meteringName(kMinuteMetering));
    meteringBox_->addItem(tr("Scatto"), meteringName(kPulseMetering));
    okButton_->setEnabled(false);
    FlatButton* cancelButton = wizardButton(QStringLiteral("fltbutton4"), tr("Annulla"), this);

    auto* fields = new QFormLayout;
    fields->addRow(tr("Nome"), nameEdit_);
    fields->addRow(tr("Tipo tariffazione"), meteringBox_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeHeading(tr("Inserisci le informazioni della nuova compagnia telefonica"),
                                  QStringLiteral("lblNuovaCompagnia"), this));
    layout->addLayout(fields);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(nameEdit_, &QLineEdit::textChanged, this, &NewCompanyPanel::nameChanged);
    connect(okButton_, &FlatButton::clicked, this,
            [this] { emit confirmed(nameEdit_->text().trimmed(), meteringBox_->currentData().toString()); });
    connect(cancelButton, &FlatButton::clicked, this, &NewCompanyPanel::cancelled);
}

void NewCompanyPanel::prepare()
{
    meteringBox_->setCurrentIndex(0);
    nameEdit_->setFocus();
}

void NewCompanyPanel::companyTaken()
{
    nameEdit_->setText(QStringLiteral("0"));
}

void NewCompanyPanel::nameChanged(const QString& text)
{
    okButton_->setEnabled(!text.trimmed().isEmpty());
}

} // namespace zrt
