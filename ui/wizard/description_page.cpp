#include "description_page.h"

#include "wizard_widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zrt {

DescriptionPage::DescriptionPage(QWidget* parent)
    : QWidget(parent),
      headingLabel_(makeHeading(tr("Inserisci la descrizione della nuova tariffa (es. Tariffa Urbana)"),
                                QStringLiteral("lblDescrizione"), this)),
      companyLabel_(makeHeading({}, QStringLiteral("lblCompagnia"), this)), descriptionEdit_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("pnl1"));
    descriptionEdit_->setObjectName(QStringLiteral("Text1"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headingLabel_);
    layout->addSpacing(12);
    layout->addWidget(companyLabel_);
    layout->addWidget(descriptionEdit_);
    layout->addStretch();

    connect(descriptionEdit_, &QLineEdit::textChanged, this, &DescriptionPage::descriptionChanged);
}

void DescriptionPage::setCompanyName(const QString& nome)
{
    companyLabel_->setText(nome);
}

void DescriptionPage::showStoredDescription(const QString& descrizione)
{
    headingLabel_->setText(tr("Modifica la descrizione della tariffa"));
    descriptionEdit_->setText(descrizione);
}

QString DescriptionPage::description() const
{
    return descriptionEdit_->text().trimmed();
}

} // namespace zrt
