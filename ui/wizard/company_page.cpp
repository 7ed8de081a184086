#include "company_page.h"

#include "new_company_panel.h"
#include "wizard_widgets.h"

#include "controls/fltbutton.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace zrt {

namespace {
constexpr int kMeteringRole = Qt::UserRole + 1;
}

CompanyPage::CompanyPage(QWidget* parent)
    : QWidget(parent), cboCompagnie_(new QComboBox), Picture1_(new NewCompanyPanel),
      views_(new QStackedLayout(this)), choice_(new QWidget)
{
    setObjectName(QStringLiteral("pnl0"));
    cboCompagnie_->setObjectName(QStringLiteral("cboCompagnie"));
    cboCompagnie_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    fltbutton* fltbutton2 = makeFlatButton(QStringLiteral("Nuova"), QStringLiteral("fltbutton2"), choice_);

    auto* choiceRow = new QHBoxLayout;
    choiceRow->addWidget(cboCompagnie_, 1);
    choiceRow->addWidget(fltbutton2);
    auto* layout = new QVBoxLayout(choice_);
    layout->addWidget(
        makeHeading(QStringLiteral("Scelta compagnia telefonica"), QStringLiteral("lblSceltaCompagnia"), choice_));
    layout->addSpacing(12);
    layout->addWidget(new QLabel(QStringLiteral("Compagnia Telefonica:"), choice_));
    layout->addLayout(choiceRow);
    layout->addStretch();

    views_->addWidget(choice_);
    views_->addWidget(Picture1_);

    connect(cboCompagnie_, &QComboBox::currentIndexChanged, this, &CompanyPage::selectionChanged);
    connect(fltbutton2, &fltbutton::Click, this, &CompanyPage::openPanel);
    connect(Picture1_, &NewCompanyPanel::confirmed, this, &CompanyPage::newCompanyConfirmed);
    connect(Picture1_, &NewCompanyPanel::cancelled, this, &CompanyPage::closePanel);
}

void CompanyPage::setCompanies(const QList<Compagnia>& companies)
{
    cboCompagnie_->clear();
    for (const Compagnia& compagnia : companies)
        appendCompany(compagnia);
    cboCompagnie_->setCurrentIndex(companies.isEmpty() ? -1 : 0);
}

bool CompanyPage::selectCompany(const QString& nome)
{
    for (int row = cboCompagnie_->count() - 1; row >= 0; --row) {
        if (cboCompagnie_->itemText(row) == nome) {
            cboCompagnie_->setCurrentIndex(row);
            return true;
        }
    }
    return false;
}

std::optional<Compagnia> CompanyPage::selectedCompany() const
{
    const int row = cboCompagnie_->currentIndex();
    if (row < 0)
        return std::nullopt;
    return Compagnia{cboCompagnie_->itemData(row).toInt(), cboCompagnie_->itemText(row),
                     cboCompagnie_->itemData(row, kMeteringRole).toString()};
}

void CompanyPage::addCompany(const Compagnia& compagnia)
{
    appendCompany(compagnia);
    cboCompagnie_->setCurrentIndex(cboCompagnie_->count() - 1);
    Picture1_->companySaved();
    closePanel();
}

void CompanyPage::appendCompany(const Compagnia& compagnia)
{
    cboCompagnie_->addItem(compagnia.nome, compagnia.id);
    cboCompagnie_->setItemData(cboCompagnie_->count() - 1, compagnia.tipotariffazione, kMeteringRole);
}

void CompanyPage::openPanel()
{
    views_->setCurrentWidget(Picture1_);
    Picture1_->prepare();
}

void CompanyPage::closePanel()
{
    views_->setCurrentWidget(choice_);
}

} // namespace zrt
