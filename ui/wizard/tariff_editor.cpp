#include "tariff_editor.h"

#include "band_page.h"
#include "company_page.h"
#include "ui/common/database_operation.h"
#include "description_page.h"
#include "wizard_widgets.h"

#include "controls/flat_button.h"
#include "controls/separator.h"
#include "database/tariff_editing.h"
#include "database/tariff_store.h"

#include <QCloseEvent>
#include <QColor>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace zrt {

namespace {

constexpr int kFirstBandPage = 2;
constexpr int kBandPanel = 2; // shared by the three band pages
constexpr auto kVerticalSeparator = Separator::Orientation::Vertical;
constexpr QSize kWindowSize(560, 400);

DayType dayTypeOfPage(int page)
{
    switch (page) {
    case 3: return DayType::Pre;
    case 4: return DayType::Fes;
    default: return DayType::Fer;
    }
}

QLabel* makeMessageLine(QWidget* parent)
{
    auto* line = new QLabel(parent);
    line->setObjectName(QStringLiteral("lblMessaggio"));
    line->setWordWrap(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::WindowText, QColor(0x80, 0, 0));
    line->setPalette(palette);
    return line;
}

Separator* makeVerticalSeparator(int height, QWidget* parent)
{
    auto* separator = new Separator(parent);
    separator->setOrientation(kVerticalSeparator);
    separator->setFixedHeight(height);
    return separator;
}

} // namespace

TariffEditor::TariffEditor(const QString& databasePath, QWidget* parent)
    : QWidget(parent, Qt::Window), databasePath_(databasePath), companyPage_(new CompanyPage),
      descriptionPage_(new DescriptionPage), bandPage_(new BandPage(databasePath)), pages_(new QStackedWidget(this)),
      messageLabel_(makeMessageLine(this)),
      backButton_(wizardButton(QStringLiteral("fltIndietro"), QStringLiteral("< Indietro"), this)),
      nextButton_(wizardButton(QStringLiteral("fltAvanti"), QStringLiteral("Avanti >"), this))
{
    setObjectName(QStringLiteral("frmCambiaTariffa"));
    setWindowTitle(QStringLiteral("Crea tariffa..."));
    resize(kWindowSize);
    pages_->addWidget(companyPage_);
    pages_->addWidget(descriptionPage_);
    pages_->addWidget(bandPage_);
    FlatButton* fltbutton1 = wizardButton(QStringLiteral("fltbutton1"), QStringLiteral("Annulla"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(backButton_);
    buttons->addWidget(nextButton_);
    buttons->addSpacing(6);
    buttons->addWidget(makeVerticalSeparator(nextButton_->minimumHeight(), this));
    buttons->addSpacing(6);
    buttons->addWidget(fltbutton1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addWidget(messageLabel_);
    layout->addWidget(new Separator(this));
    layout->addLayout(buttons);

    connect(nextButton_, &FlatButton::clicked, this, &TariffEditor::forward);
    connect(backButton_, &FlatButton::clicked, this, [this] { setPage(pageIndex_ - 1); });
    connect(fltbutton1, &FlatButton::clicked, this, &QWidget::close);
    connect(companyPage_, &CompanyPage::selectionChanged, this, &TariffEditor::companySelected);
    connect(companyPage_, &CompanyPage::newCompanyConfirmed, this, &TariffEditor::addCompany);
    connect(descriptionPage_, &DescriptionPage::descriptionChanged, this, &TariffEditor::updateForwardButton);
    connect(bandPage_, &BandPage::bandCountChanged, this, &TariffEditor::updateForwardButton);
    // To the label itself: a cell the grid commits while the window is being
    // destroyed must not reach the window.
    connect(bandPage_, &BandPage::messageChanged, messageLabel_, &QLabel::setText);

    setPage(0);
    loadCompanies();
}

void TariffEditor::selectCompany(const QString& compagnia)
{
    companyPage_->selectCompany(compagnia);
}

void TariffEditor::closeEvent(QCloseEvent* event)
{
    // A band that cannot be written keeps the window open once, so that
    // the message is seen; the row is back to what is stored by then.
    if (!bandPage_->submitPendingRow()) {
        event->ignore();
        return;
    }
    if (written_)
        emit tariffsChanged();
    if (confirmed_)
        emit tariffConfirmed(*idTariffa_);
    QWidget::closeEvent(event);
}

void TariffEditor::loadCompanies()
{
    QList<Compagnia> companies;
    if (const auto failure = withDatabase(databasePath_, [&](Database& database) {
            companies = TariffStore(database).companies();
        }))
        showMessage(*failure);
    companyPage_->setCompanies(companies);
}

void TariffEditor::addCompany(const QString& nome, const QString& tipotariffazione)
{
    Compagnia compagnia{0, nome, tipotariffazione};
    if (const auto failure = withDatabase(databasePath_, [&](Database& database) {
            compagnia.id = TariffStore(database).addCompany(nome, tipotariffazione);
        })) {
        showMessage(*failure);
        return;
    }
    written_ = true;
    companyPage_->addCompany(compagnia);
}

// Saves the tariff as described so far: added the first time, rewritten
// (its bands following its company) every later time.
bool TariffEditor::saveTariff()
{
    const std::optional<Compagnia> compagnia = companyPage_->selectedCompany();
    if (!compagnia)
        return false;
    const QString descrizione = descriptionPage_->description();
    const auto failure = withDatabase(databasePath_, [&](Database& database) {
        if (idTariffa_)
            TariffEditing(database).updateTariff(*idTariffa_, compagnia->id, descrizione);
        else
            idTariffa_ = TariffStore(database).addTariff(compagnia->id, descrizione);
    });
    if (failure) {
        showMessage(*failure);
        return false;
    }
    written_ = true;
    return true;
}

void TariffEditor::setPage(int page)
{
    if (!bandPage_->submitPendingRow())
        return;
    if (page == kFirstBandPage && !saveTariff())
        return;

    pageIndex_ = page;
    showMessage({});
    pages_->setCurrentIndex(std::min(page, kBandPanel));
    if (page >= kFirstBandPage)
        bandPage_->showBands(*idTariffa_, dayTypeOfPage(page), *companyPage_->selectedCompany());
    nextButton_->setCaption(page == kLastPage ? QStringLiteral("OK") : QStringLiteral("Avanti >"));
    backButton_->setEnabled(page > 0);
    updateForwardButton();
}

void TariffEditor::forward()
{
    if (pageIndex_ < kLastPage) {
        setPage(pageIndex_ + 1);
        return;
    }
    if (!bandPage_->submitPendingRow())
        return;
    confirmed_ = true;
    close();
}

void TariffEditor::companySelected()
{
    const std::optional<Compagnia> compagnia = companyPage_->selectedCompany();
    descriptionPage_->setCompanyName(compagnia ? compagnia->nome : QString());
    updateForwardButton();
}

void TariffEditor::updateForwardButton()
{
    switch (pageIndex_) {
    case 0: nextButton_->setEnabled(companyPage_->selectedCompany().has_value()); break;
    case 1: nextButton_->setEnabled(!descriptionPage_->description().isEmpty()); break;
    default: nextButton_->setEnabled(bandPage_->bandCount() > 0); break;
    }
}

void TariffEditor::showMessage(const QString& text)
{
    messageLabel_->setText(text);
}

} // namespace zrt
