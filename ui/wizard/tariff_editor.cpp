#include "tariff_editor.h"

#include "band_page.h"
#include "company_page.h"
#include "description_page.h"
#include "problem_text.h"
#include "wizard_widgets.h"

#include "controls/default_button.h"
#include "controls/flat_button.h"
#include "controls/separator.h"
#include "database/database.h"
#include "database/tariff_editing.h"
#include "database/tariff_store.h"
#include "ui/common/guide.h"
#include "ui/common/window_log.h"

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
constexpr QSize kWindowSize(640, 440);

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

QString bulleted(const QStringList& lines)
{
    return QStringLiteral("• ") + lines.join(QStringLiteral("\n• "));
}

} // namespace

TariffEditor::TariffEditor(const QString& databasePath, UserMessages& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), databasePath_(databasePath), messages_(messages), companyPage_(new CompanyPage),
      descriptionPage_(new DescriptionPage), bandPage_(new BandPage(draft_)), pages_(new QStackedWidget(this)),
      messageLabel_(makeMessageLine(this))
{
    setObjectName(QStringLiteral("frmCambiaTariffa"));
    setProperty(kGuidePageProperty, QStringLiteral("tariffs.html"));
    setWindowTitle(tr("Crea tariffa..."));
    resize(kWindowSize);
    pages_->addWidget(companyPage_);
    pages_->addWidget(descriptionPage_);
    pages_->addWidget(bandPage_);
    // Made after the pages, the buttons come after their fields under Tab.
    backButton_ = wizardButton(QStringLiteral("fltIndietro"), tr("< Indietro"), this);
    nextButton_ = wizardButton(QStringLiteral("fltAvanti"), tr("Avanti >"), this);
    FlatButton* cancelButton = wizardButton(QStringLiteral("fltbutton1"), tr("Annulla"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(backButton_);
    buttons->addWidget(nextButton_);
    buttons->addSpacing(6);
    buttons->addWidget(makeVerticalSeparator(nextButton_->minimumHeight(), this));
    buttons->addSpacing(6);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addWidget(messageLabel_);
    layout->addWidget(new Separator(this));
    layout->addLayout(buttons);

    connect(nextButton_, &FlatButton::clicked, this, &TariffEditor::forward);
    connect(backButton_, &FlatButton::clicked, this, [this] { setPage(pageIndex_ - 1); });
    connect(cancelButton, &FlatButton::clicked, this, &QWidget::close);
    setDefaultButton(*nextButton_, *this);
    setCancelButton(*cancelButton, *this);
    connect(companyPage_, &CompanyPage::selectionChanged, this, &TariffEditor::companySelected);
    connect(companyPage_, &CompanyPage::newCompanyConfirmed, this, &TariffEditor::takeNewCompany);
    connect(descriptionPage_, &DescriptionPage::descriptionChanged, this, &TariffEditor::updateForwardButton);
    connect(bandPage_, &BandPage::bandCountChanged, this, &TariffEditor::updateForwardButton);
    connect(bandPage_, &BandPage::messageChanged, messageLabel_, &QLabel::setText);

    setPage(0);
    loadCompanies();
}

// The pages go first: a grid cell still being typed is committed into the
// draft as its editor closes, so the draft must outlive them.
TariffEditor::~TariffEditor()
{
    qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
}

void TariffEditor::selectCompany(const QString& compagnia)
{
    companyPage_->selectCompany(compagnia);
}

bool TariffEditor::openTariff(int idTariffa)
{
    std::optional<TariffaInfo> info;
    std::optional<Tariff> tariff;
    try {
        Database database = Database::open(databasePath_, Database::Access::ReadOnly);
        const TariffStore store(database);
        info = store.tariffInfo(idTariffa);
        tariff = store.tariff(idTariffa);
    } catch (const DatabaseError& error) {
        qCWarning(uiLog).noquote() << "The tariff to change cannot be read:" << error.message();
        messages_.warn(this, tr("Non è possibile leggere la tariffa dal file dei dati."));
        return false;
    }
    if (!info || !tariff) {
        messages_.warn(this, tr("La tariffa non esiste più."));
        return false;
    }
    idTariffa_ = idTariffa;
    draft_ = TariffDraft::of(*info, *tariff);
    setWindowTitle(tr("Modifica tariffa..."));
    companyPage_->fixCompany(draft_.compagnia);
    descriptionPage_->showStoredDescription(draft_.descrizione);
    return true;
}

void TariffEditor::loadCompanies()
{
    QList<Compagnia> companies;
    try {
        Database database = Database::open(databasePath_, Database::Access::ReadOnly);
        companies = TariffStore(database).companies();
    } catch (const DatabaseError& error) {
        qCWarning(uiLog).noquote() << "The companies cannot be read:" << error.message();
        messageLabel_->setText(tr("Non è possibile leggere le compagnie telefoniche dal file dei dati."));
    }
    companyPage_->setCompanies(companies);
}

// The company is written with the tariff, at "OK".
void TariffEditor::takeNewCompany(const QString& nome, const QString& tipotariffazione)
{
    if (companyPage_->hasCompanyNamed(nome)) {
        messages_.warn(this, tr("Esiste già una compagnia telefonica di nome \"%1\".").arg(nome));
        return;
    }
    companyPage_->addCompany({0, nome, tipotariffazione});
}

// The company's other tariffs must have other descriptions; the user is
// told when one has this one.
bool TariffEditor::descriptionAccepted()
{
    if (draft_.compagnia.id == 0)
        return true;
    std::optional<int> named;
    try {
        Database database = Database::open(databasePath_, Database::Access::ReadOnly);
        named = TariffStore(database).tariffNamed(draft_.compagnia.id, draft_.descrizione);
    } catch (const DatabaseError& error) {
        // "OK" looks again, as it writes.
        qCWarning(uiLog).noquote() << "The tariffs of the company cannot be read:" << error.message();
    }
    if (!named || named == idTariffa_)
        return true;
    messages_.warn(this, tr("La compagnia \"%1\" ha già una tariffa \"%2\".").arg(draft_.compagnia.nome,
                                                                                 draft_.descrizione));
    return false;
}

void TariffEditor::save()
{
    const std::vector<TariffProblem> problems = draft_.problems();
    if (!problems.empty()) {
        messages_.warn(this, tr("La tariffa non può essere salvata finché ha questi problemi:\n\n%1")
                                 .arg(bulleted(ProblemText::linesWithDayType(problems))));
        return;
    }
    if (write()) {
        emit tariffSaved(*idTariffa_);
        close();
    }
}

bool TariffEditor::write()
{
    try {
        Database database = Database::open(databasePath_);
        TariffEditing editing(database);
        if (idTariffa_)
            editing.replaceTariff(*idTariffa_, draft_.edited());
        else
            idTariffa_ = editing.createTariff(draft_.edited());
        return true;
    } catch (const NameTaken& taken) {
        messages_.warn(this, taken.kind() == NameTaken::Kind::Company
                                 ? tr("Esiste già una compagnia telefonica di nome \"%1\".").arg(draft_.compagnia.nome)
                                 : tr("La compagnia \"%1\" ha già una tariffa \"%2\".")
                                       .arg(draft_.compagnia.nome, draft_.descrizione));
    } catch (const DatabaseError& error) {
        qCWarning(uiLog).noquote() << "The tariff could not be written:" << error.message();
        messages_.warn(this, tr("La tariffa non è stata salvata: non è possibile scrivere nel file dei dati. "
                                "Nulla è stato cambiato."));
    }
    return false;
}

void TariffEditor::setPage(int page)
{
    bandPage_->commitOpenCell();
    pageIndex_ = page;
    messageLabel_->clear();
    pages_->setCurrentIndex(std::min(page, kBandPanel));
    if (page >= kFirstBandPage)
        bandPage_->showDayType(dayTypeOfPage(page));
    nextButton_->setCaption(page == kLastPage ? tr("OK") : tr("Avanti >"));
    backButton_->setEnabled(page > 0);
    updateForwardButton();
}

void TariffEditor::forward()
{
    bandPage_->commitOpenCell();
    if (pageIndex_ == 1) {
        draft_.descrizione = descriptionPage_->description();
        if (!descriptionAccepted())
            return;
    }
    if (pageIndex_ < kLastPage)
        setPage(pageIndex_ + 1);
    else
        save();
}

void TariffEditor::companySelected()
{
    const std::optional<Compagnia> compagnia = companyPage_->selectedCompany();
    draft_.compagnia = compagnia.value_or(Compagnia{});
    descriptionPage_->setCompanyName(draft_.compagnia.nome);
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

} // namespace zrt
