#include "company_page.h"

#include "new_company_panel.h"
#include "wizard_widgets.h"

#include "controls/flat_button.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace zrt {

namespace {
constexpr int kMeteringRole = Qt::UserRole + 1;
}

CompanyPage::CompanyPage(QWidget* parent)
    : QWidget(parent), companyBox_(new QComboBox), newCompanyPanel_(new NewCompanyPanel),
      newCompanyButton_(wizardButton(QStringLiteral("fltbutton2"), tr("Nuova"), this)),
      views_(new QStackedLayout(this)), choice_(new QWidget)
{
    setObjectName(QStringLiteral("pnl0"));
    companyBox_->setObjectName(QStringLiteral("cboCompagnie"));
    companyBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    auto* choiceRow = new QHBoxLayout;
    choiceRow->addWidget(companyBox_, 1);
    choiceRow->addWidget(newCompanyButton_);
    auto* layout = new QVBoxLayout(choice_);
    layout->addWidget(makeHeading(tr("Scelta compagnia telefonica"), QStringLiteral("lblSceltaCompagnia"), choice_));
    layout->addSpacing(12);
    layout->addWidget(new QLabel(tr("Compagnia Telefonica:"), choice_));
    layout->addLayout(choiceRow);
    layout->addStretch();

    views_->addWidget(choice_);
    views_->addWidget(newCompanyPanel_);

    connect(companyBox_, &QComboBox::currentIndexChanged, this, &CompanyPage::selectionChanged);
    connect(newCompanyButton_, &FlatButton::clicked, this, &CompanyPage::openPanel);
    connect(newCompanyPanel_, &NewCompanyPanel::confirmed, this, &CompanyPage::newCompanyConfirmed);
    connect(newCompanyPanel_, &NewCompanyPanel::cancelled, this, &CompanyPage::closePanel);
}

void CompanyPage::setCompanies(const QList<Compagnia>& companies)
{
    {
        const QSignalBlocker filling(companyBox_);
        companyBox_->clear();
        for (const Compagnia& compagnia : companies)
            appendCompany(compagnia);
        companyBox_->setCurrentIndex(companies.isEmpty() ? -1 : 0);
    }
    emit selectionChanged();
}

void CompanyPage::fixCompany(const Compagnia& compagnia)
{
    setCompanies({compagnia});
    companyBox_->setEnabled(false);
    newCompanyButton_->setEnabled(false);
}

bool CompanyPage::selectCompany(const QString& nome)
{
    for (int row = companyBox_->count() - 1; row >= 0; --row) {
        if (companyBox_->itemText(row) == nome) {
            companyBox_->setCurrentIndex(row);
            return true;
        }
    }
    return false;
}

std::optional<Compagnia> CompanyPage::selectedCompany() const
{
    const int row = companyBox_->currentIndex();
    if (row < 0)
        return std::nullopt;
    return Compagnia{companyBox_->itemData(row).toInt(), companyBox_->itemText(row),
                     companyBox_->itemData(row, kMeteringRole).toString()};
}

bool CompanyPage::hasCompanyNamed(const QString& nome) const
{
    for (int row = 0; row < companyBox_->count(); ++row) {
        if (isSameName(companyBox_->itemText(row), nome))
            return true;
    }
    return false;
}

void CompanyPage::addCompany(const Compagnia& compagnia)
{
    {
        const QSignalBlocker filling(companyBox_);
        appendCompany(compagnia);
        companyBox_->setCurrentIndex(companyBox_->count() - 1);
    }
    emit selectionChanged();
    newCompanyPanel_->companyTaken();
    closePanel();
}

// An item is selected as it is added to an empty list, before it has all
// its data: the callers keep the list quiet meanwhile.
void CompanyPage::appendCompany(const Compagnia& compagnia)
{
    companyBox_->addItem(compagnia.nome, compagnia.id);
    companyBox_->setItemData(companyBox_->count() - 1, compagnia.tipotariffazione, kMeteringRole);
}

void CompanyPage::openPanel()
{
    views_->setCurrentWidget(newCompanyPanel_);
    newCompanyPanel_->prepare();
}

void CompanyPage::closePanel()
{
    views_->setCurrentWidget(choice_);
}

} // namespace zrt
