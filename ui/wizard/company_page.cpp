#include "company_page.h"

#include "new_company_panel.h"
#include "wizard_widgets.h"

#include "controls/flat_button.h"

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
    : QWidget(parent), companyBox_(new QComboBox), pictureLabel_(new NewCompanyPanel),
      views_(new QStackedLayout(this)), choice_(new QWidget)
{
    setObjectName(QStringLiteral("pnl0"));
    companyBox_->setObjectName(QStringLiteral("cboCompagnie"));
    companyBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    FlatButton* fltbutton2 = wizardButton(QStringLiteral("fltbutton2"), QStringLiteral("Nuova"), choice_);

    auto* choiceRow = new QHBoxLayout;
    choiceRow->addWidget(companyBox_, 1);
    choiceRow->addWidget(fltbutton2);
    auto* layout = new QVBoxLayout(choice_);
    layout->addWidget(
        makeHeading(QStringLiteral("Scelta compagnia telefonica"), QStringLiteral("lblSceltaCompagnia"), choice_));
    layout->addSpacing(12);
    layout->addWidget(new QLabel(QStringLiteral("Compagnia Telefonica:"), choice_));
    layout->addLayout(choiceRow);
    layout->addStretch();

    views_->addWidget(choice_);
    views_->addWidget(pictureLabel_);

    connect(companyBox_, &QComboBox::currentIndexChanged, this, &CompanyPage::selectionChanged);
    connect(fltbutton2, &FlatButton::clicked, this, &CompanyPage::openPanel);
    connect(pictureLabel_, &NewCompanyPanel::confirmed, this, &CompanyPage::newCompanyConfirmed);
    connect(pictureLabel_, &NewCompanyPanel::cancelled, this, &CompanyPage::closePanel);
}

void CompanyPage::setCompanies(const QList<Compagnia>& companies)
{
    companyBox_->clear();
    for (const Compagnia& compagnia : companies)
        appendCompany(compagnia);
    companyBox_->setCurrentIndex(companies.isEmpty() ? -1 : 0);
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

void CompanyPage::addCompany(const Compagnia& compagnia)
{
    appendCompany(compagnia);
    companyBox_->setCurrentIndex(companyBox_->count() - 1);
    pictureLabel_->companySaved();
    closePanel();
}

void CompanyPage::appendCompany(const Compagnia& compagnia)
{
    companyBox_->addItem(compagnia.nome, compagnia.id);
    companyBox_->setItemData(companyBox_->count() - 1, compagnia.tipotariffazione, kMeteringRole);
}

void CompanyPage::openPanel()
{
    views_->setCurrentWidget(pictureLabel_);
    pictureLabel_->prepare();
}

void CompanyPage::closePanel()
{
    views_->setCurrentWidget(choice_);
}

} // namespace zrt
