#include "log_page.h"

#include "printing/connection_list_printer.h"
#include "log_table_model.h"
#include "printing/month_names.h"
#include "setup_widgets.h"
#include "ui/common/user_messages.h"

#include "controls/flat_button.h"
#include "database/database.h"
#include "database/database_error.h"
#include "engine/italian_number.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLoggingCategory>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace zrt {

namespace {

Q_LOGGING_CATEGORY(lcLogPage, "zrtellix.setup.log")

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;
constexpr int kMonthLabelWidth = 70;

const QString kHint = QStringLiteral(
    "Fare click su < o > dell'anno o del mese per visualizzare le connessioni del periodo interessato.");

// The busy pointer for as long as it lives.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

QLabel* periodLabel(const QString& objectName, QWidget* parent)
{
    QLabel* label = setupLabel(objectName, QString(), parent);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(kMonthLabelWidth);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

LogPage::LogPage(QString databasePath, UserMessages& messages, QWidget* parent)
    : QWidget(parent), databasePath_(std::move(databasePath)), messages_(messages), model_(new LogTableModel(this)),
      monthLabel_(periodLabel(QStringLiteral("lblMese"), this)), yearLabel_(periodLabel(QStringLiteral("lblAnno"), this)),
      totalLabel_(setupLabel(QStringLiteral("lblTotSpesa"), QStringLiteral("0"), this)),
      printButton_(setupButton(QStringLiteral("fltbutton14"), QStringLiteral("Attendere Stampa in corso..."), this))
{
    FlatButton* fltbutton6 = setupButton(QStringLiteral("fltbutton6"), QStringLiteral("<"), this);
    FlatButton* fltbutton7 = setupButton(QStringLiteral("fltbutton7"), QStringLiteral(">"), this);
    FlatButton* fltbutton8 = setupButton(QStringLiteral("fltbutton8"), QStringLiteral("<"), this);
    FlatButton* fltbutton9 = setupButton(QStringLiteral("fltbutton9"), QStringLiteral(">"), this);
    FlatButton* fltbutton13 = setupButton(QStringLiteral("fltbutton13"), QStringLiteral("Stampa"), this);
    QTableView* DBGrid1 = setupGrid(QStringLiteral("DBGrid1"), model_, this);
    DBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    QLabel* Label12 = setupLabel(QStringLiteral("Label12"), kHint, this);
    Label12->setWordWrap(true);
    printButton_->hide();

    auto* period = new QHBoxLayout;
    period->addWidget(setupLabel(QStringLiteral("Label1"), QStringLiteral("Periodo"), this));
    period->addSpacing(8);
    period->addWidget(fltbutton6);
    period->addWidget(monthLabel_);
    period->addWidget(fltbutton7);
    period->addSpacing(12);
    period->addWidget(fltbutton8);
    period->addWidget(yearLabel_);
    period->addWidget(fltbutton9);
    period->addStretch();

    auto* total = new QHBoxLayout;
    total->addWidget(setupLabel(QStringLiteral("Label3"), QStringLiteral("Totale Spesa nel periodo:"), this));
    total->addWidget(totalLabel_);
    total->addStretch();
    total->addWidget(printButton_);
    total->addWidget(fltbutton13);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(period);
    layout->addWidget(DBGrid1, 1);
    layout->addWidget(Label12);
    layout->addLayout(total);

    connect(fltbutton6, &FlatButton::clicked, this, &LogPage::previousMonth);
    connect(fltbutton7, &FlatButton::clicked, this, &LogPage::nextMonth);
    connect(fltbutton8, &FlatButton::clicked, this, [this] { showPeriod(year_ - 1, month_); });
    connect(fltbutton9, &FlatButton::clicked, this, [this] { showPeriod(year_ + 1, month_); });
    connect(fltbutton13, &FlatButton::clicked, this, &LogPage::print);
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
    readError_.clear();
    try {
        Database database = Database::open(databasePath_, Database::Access::ReadOnly);
        const qint64 total = ConnectionLog(database).monthTotal(year_, month_);
        totalLabel_->setText(QString::fromStdString(formatItalian(double(total), pattern::kLire)));
    } catch (const DatabaseError& error) {
        noteReadError(error);
        model_->clear();
        totalLabel_->clear();
        return;
    }
    model_->setSource([this, year = year_, month = month_](int afterId) { return readPage(year, month, afterId); });
}

QList<LogRow> LogPage::readPage(int year, int month, int afterId)
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
    readError_ = error.message();
    qCWarning(lcLogPage).noquote() << "The connection log cannot be read:" << readError_;
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

void LogPage::print()
{
    const PrintOutcome outcome = printWithNotice();
    if (outcome.result == PrintOutcome::Result::Failed)
        messages_.warn(this, outcome.message);
    else if (outcome.result == PrintOutcome::Result::NothingToPrint)
        messages_.inform(this, outcome.message);
}

PrintOutcome LogPage::printWithNotice()
{
    printButton_->show();
    printButton_->repaint();
    const WaitCursor busy;
    model_->fetchAll();
    const PrintOutcome outcome = readError_.isEmpty() ? printListed() : unreadableLog();
    printButton_->hide();
    return outcome;
}

PrintOutcome LogPage::printListed() const
{
    const PrintDestination destination = printDestination_ ? *printDestination_ : PrintDestination::defaultPrinter();
    return printConnectionList({model_->rows(), periodText(year_, month_), totalLabel_->text()}, destination);
}

// A list with rows missing would look complete on paper, so none is printed.
PrintOutcome LogPage::unreadableLog() const
{
    return {PrintOutcome::Result::Failed,
            QStringLiteral("The connection log cannot be read: %1").arg(readError_)};
}

} // namespace zrt
