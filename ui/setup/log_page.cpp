#include "log_page.h"

#include "connection_list_preview.h"
#include "log_table_model.h"
#include "setup_widgets.h"

#include "printing/connection_list_printer.h"
#include "printing/log_total_text.h"
#include "printing/month_names.h"
#include "ui/common/user_messages.h"

#include "controls/flat_button.h"
#include "database/database.h"
#include "database/database_error.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLoggingCategory>
#include <QPrintPreviewDialog>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace zrt {

namespace {

Q_LOGGING_CATEGORY(lcLogPage, "zrtellix.setup.log")

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

// The busy pointer for as long as it lives.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

LogPage::LogPage(QString databasePath, UserMessages& messages, QWidget* parent)
    : QWidget(parent), databasePath_(std::move(databasePath)), messages_(messages), model_(new LogTableModel(this)),
      monthLabel_(periodLabel(QStringLiteral("lblMese"), this)), yearLabel_(periodLabel(QStringLiteral("lblAnno"), this)),
      totalLabel_(setupLabel(QStringLiteral("lblTotSpesa"), QStringLiteral("0"), this)),
      printButton_(setupButton(QStringLiteral("fltbutton14"), tr("Attendere Stampa in corso..."), this))
{
    FlatButton* previousMonthButton = setupButton(QStringLiteral("fltbutton6"), QStringLiteral("<"), this);
    FlatButton* nextMonthButton = setupButton(QStringLiteral("fltbutton7"), QStringLiteral(">"), this);
    FlatButton* previousYearButton = setupButton(QStringLiteral("fltbutton8"), QStringLiteral("<"), this);
    FlatButton* nextYearButton = setupButton(QStringLiteral("fltbutton9"), QStringLiteral(">"), this);
    FlatButton* printCommandButton = setupButton(QStringLiteral("fltbutton13"), tr("Stampa"), this);
    FlatButton* repriceButton = setupButton(QStringLiteral("fltRicalcola"), tr("Ricalcola"), this);
    repriceButton->setToolTip(tr("Calcola di nuovo la spesa delle connessioni del mese registrate senza tariffa, "
                                 "con le tariffe associate ora"));
    QTableView* DBGrid1 = setupGrid(QStringLiteral("DBGrid1"), model_, this);
    DBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    QLabel* totalCaption = setupLabel(
        QStringLiteral("Label12"),
        tr("Fare click su < o > dell'anno o del mese per visualizzare le connessioni del periodo interessato."), this);
    totalCaption->setWordWrap(true);
    printButton_->hide();
    printButton_->setFocusPolicy(Qt::NoFocus); // a notice, not a command
    // Tab follows the page's reading order: the period, the list, the commands.
    setTabOrder(nextYearButton, DBGrid1);
    setTabOrder(DBGrid1, repriceButton);
    setTabOrder(repriceButton, printCommandButton);

    auto* period = new QHBoxLayout;
    period->addWidget(setupLabel(QStringLiteral("Label1"), tr("Periodo"), this));
    period->addSpacing(8);
    period->addWidget(previousMonthButton);
    period->addWidget(monthLabel_);
    period->addWidget(nextMonthButton);
    period->addSpacing(12);
    period->addWidget(previousYearButton);
    period->addWidget(yearLabel_);
    period->addWidget(nextYearButton);
    period->addStretch();

    auto* total = new QHBoxLayout;
    total->addWidget(setupLabel(QStringLiteral("Label3"), tr("Totale Spesa nel periodo:"), this));
    total->addWidget(totalLabel_);
    total->addStretch();
    total->addWidget(printButton_);
    total->addWidget(repriceButton);
    total->addWidget(printCommandButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(period);
    layout->addWidget(DBGrid1, 1);
    layout->addWidget(totalCaption);
    layout->addLayout(total);

    connect(previousMonthButton, &FlatButton::clicked, this, &LogPage::previousMonth);
    connect(nextMonthButton, &FlatButton::clicked, this, &LogPage::nextMonth);
    connect(previousYearButton, &FlatButton::clicked, this, [this] { showPeriod(year_ - 1, month_); });
    connect(nextYearButton, &FlatButton::clicked, this, [this] { showPeriod(year_ + 1, month_); });
    connect(repriceButton, &FlatButton::clicked, this, &LogPage::reprice);
    connect(printCommandButton, &FlatButton::clicked, this, &LogPage::print);
}

void LogPage::showPeriod(int year, int month)
{
    year_ = std::clamp(year, kFirstYear, kLastYear);
    month_ = std::clamp(month, 1, 12);
    monthLabel_->setText(monthName(month_));
    yearLabel_->setText(QString::number(year_));
    reload();
}

void LogPage::reload()
{
    readFailed_ = false;
    QList<LogRow> firstPage;
    try {
        Database database = Database::open(databasePath_, Database::Access::ReadOnly);
        const ConnectionLog log(database);
        showTotal(log.monthTotal(year_, month_));
        firstPage = log.monthPage(year_, month_, 0, ConnectionLog::kPageRows);
    } catch (const DatabaseError& error) {
        noteReadError(error);
        model_->clear();
        showTotal(std::nullopt);
        return;
    }
    model_->setSource(std::move(firstPage),
                      [this, year = year_, month = month_](qint64 afterId) { return readPage(year, month, afterId); });
}

void LogPage::showTotal(const std::optional<LogTotal>& total)
{
    total_ = total;
    totalLabel_->setText(total ? totalText(*total) : QString());
}

QList<LogRow> LogPage::readPage(int year, int month, qint64 afterId)
{
    try {
        Database database = Database::open(databasePath_, Database::Access::ReadOnly);
        return ConnectionLog(database).monthPage(year, month, afterId, ConnectionLog::kPageRows);
    } catch (const DatabaseError& error) {
        noteReadError(error);
        return {};
    }
}

void LogPage::noteReadError(const DatabaseError& error)
{
    readFailed_ = true;
    qCWarning(lcLogPage).noquote() << "The connection log cannot be read:" << error.message();
}

void LogPage::previousMonth()
{
    if (month_ <= 1)
        showPeriod(year_ - 1, 12);
    else
        showPeriod(year_, month_ - 1);
}

void LogPage::nextMonth()
{
    if (month_ < 12)
        showPeriod(year_, month_ + 1);
    else
        showPeriod(year_ + 1, 1);
}

void LogPage::reprice()
{
    RepriceOutcome outcome;
    try {
        const WaitCursor busy;
        Database database = Database::open(databasePath_);
        outcome = ConnectionLog(database).repriceMonth(year_, month_);
    } catch (const DatabaseError& error) {
        qCWarning(lcLogPage).noquote() << "The connections could not be repriced:" << error.message();
        messages_.warn(this, tr("Le connessioni non sono state ricalcolate: il file delle tariffe non si può "
                                "leggere o scrivere, oppure l'aliquota IVA salvata non è valida."));
        return;
    }
    reload();
    messages_.inform(this, tr("%1 connessioni ricalcolate, %2 ancora senza tariffa")
                               .arg(outcome.repriced)
                               .arg(outcome.stillUnpriced));
}

void LogPage::print()
{
    const std::optional<PrintOutcome> outcome = printWithNotice();
    if (!outcome) {
        messages_.warn(this, tr("Il registro delle connessioni non si può leggere: la lista non è stata stampata."));
        return;
    }
    switch (outcome->result) {
    case PrintOutcome::Result::Printed:
        return;
    case PrintOutcome::Result::NothingToPrint:
        messages_.inform(this, tr("Nessuna connessione in %1: niente da stampare.").arg(periodText(year_, month_)));
        return;
    case PrintOutcome::Result::Failed:
        qCWarning(lcLogPage).noquote() << "The list was not printed:" << outcome->message;
        messages_.warn(this, tr("La lista non è stata stampata: controllare che ci sia una stampante predefinita "
                                "e che sia pronta, poi riprovare."));
        return;
    }
}

// A list with rows missing would look complete on paper, so none is printed.
std::optional<PrintOutcome> LogPage::printWithNotice()
{
    printButton_->show();
    printButton_->repaint();
    const WaitCursor busy;
    model_->fetchAll();
    std::optional<PrintOutcome> outcome;
    if (!readFailed_ && total_)
        outcome = printListed();
    printButton_->hide();
    return outcome;
}

PrintOutcome LogPage::printListed()
{
    const ConnectionListReport report{model_->rows(), periodText(year_, month_), *total_};
    if (printDestination_)
        return printConnectionList(report, *printDestination_);
    if (report.rows.isEmpty())
        return {PrintOutcome::Result::NothingToPrint, {}};
    QPrintPreviewDialog* preview = makeConnectionListPreview(report, this);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->open();
    return {PrintOutcome::Result::Printed, {}};
}

} // namespace zrt
