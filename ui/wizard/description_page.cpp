#include "description_page.h"

#include "wizard_widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zrt {

DescriptionPage::DescriptionPage(QWidget* parent)
    : QWidget(parent), lblCompagnia_(makeHeading({}, QStringLiteral("lblCompagnia"), this)),
      Text1_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("pnl1"));
    Text1_->setObjectName(QStringLiteral("Text1"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeHeading(QStringLiteral("Inserisci la descrizione della nuova tariffa (es. Tariffa Urbana)"),
                                  QStringLiteral("lblDescrizione"), this));
    layout->addSpacing(12);
    layout->addWidget(lblCompagnia_);
    layout->addWidget(Text1_);
    layout->addStretch();

    connect(Text1_, &QLineEdit::textChanged, this, &DescriptionPage::descriptionChanged);
}

void DescriptionPage::setCompanyName(const QString& nome)
{
    lblCompagnia_->setText(nome);
}

QString DescriptionPage::description() const
{
    return Text1_->text().trimmed();
}

} // namespace zrt
