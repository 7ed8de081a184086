#include "statistics_page.h"

#include "setup_widgets.h"
#include "year_charts_loader.h"

#include "controls/flat_button.h"
#include "engine/elapsed_time.h"
#include "engine/italian_number.h"
#include "ui/common/database_operation.h"
#include "ui/common/year_charts.h"

#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace zrt {

namespace {

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9998;

QString lireText(qint64 lire)
{
    return QString::fromStdString(formatItalian(static_cast<double>(lire), pattern::kLire));
}

QTableWidget* figuresTable(const QString& objectName, const QString& firstColumn, QWidget* parent)
{
    auto* table = new QTableWidget(0, 5, parent);
    table->setObjectName(objectName);
    table->setHorizontalHeaderLabels({firstColumn, StatisticsPage::tr("Chiamate"), StatisticsPage::tr("Durata"),
                                      StatisticsPage::tr("Spesa"), StatisticsPage::tr("Senza costo")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setFont(setupFont());
    return table;
}

void appendRow(QTableWidget* table, const QString& label, const CallFigures& figures)
{
    const int row = table->rowCount();
    table->insertRow(row);
    const QString online = QString::fromStdString(elapsedTimeText(figures.seconds));
    const QStringList cells{label, QString::number(figures.calls), online, lireText(figures.lire),
                            QString::number(figures.unpriced)};
    for (int column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(cells.at(column));
        if (column > 0)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, column, item);
    }
}

QString dayTypeName(DayType type)
{
    switch (type) {
    case DayType::Fer:
        return StatisticsPage::tr("Feriali");
    case DayType::Pre:
        return StatisticsPage::tr("Prefestivi");
    case DayType::Fes:
        return StatisticsPage::tr("Festivi");
    }
    return {};
}

} // namespace

StatisticsPage::StatisticsPage(QString databasePath, QString chartsPluginPath, QWidget* parent)
    : QWidget(parent), databasePath_(std::move(databasePath)), chartsPluginPath_(std::move(chartsPluginPath)),
      year_(QDate::currentDate().year()),
      yearLabel_(periodLabel(QStringLiteral("lblAnnoStatistiche"), this)),
      readFailedLabel_(setupLabel(QStringLiteral("lblStatisticheNonLette"),
                                  tr("Il registro delle connessioni non si può leggere."), this)),
      monthsTable_(figuresTable(QStringLiteral("grdMesi"), tr("Mese"), this)),
      totalsTable_(figuresTable(QStringLiteral("grdTotali"), tr("Totale per"), this)), layout_(new QVBoxLayout(this))
{
    FlatButton* previousYearButton = setupButton(QStringLiteral("fltAnnoPrecedente"), QStringLiteral("<"), this);
    FlatButton* nextYearButton = setupButton(QStringLiteral("fltAnnoSeguente"), QStringLiteral(">"), this);
    connect(previousYearButton, &FlatButton::clicked, this, [this] { showYear(year_ - 1); });
    connect(nextYearButton, &FlatButton::clicked, this, [this] { showYear(year_ + 1); });
    readFailedLabel_->hide();

    auto* yearRow = new QHBoxLayout;
    yearRow->addStretch();
    yearRow->addWidget(previousYearButton);
    yearRow->addWidget(yearLabel_);
    yearRow->addWidget(nextYearButton);
    yearRow->addStretch();
    layout_->addLayout(yearRow);
    layout_->addWidget(readFailedLabel_);
    layout_->addWidget(monthsTable_, 3);
    layout_->addWidget(totalsTable_, 2);
    yearLabel_->setText(QString::number(year_));
}

void StatisticsPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        loadCharts();
        showYear(year_);
    }
}

// The charts take the table's place, and the table becomes their last tab.
void StatisticsPage::loadCharts()
{
    charts_ = loadYearCharts(chartsPluginPath_, this);
    if (!charts_)
        return;
    charts_->setFont(setupFont());
    delete layout_->replaceWidget(monthsTable_, charts_); // the table's old place is ours to free
    charts_->addTab(monthsTable_, tr("Tabella"));
    charts_->show();
}

void StatisticsPage::setCurrency(Currency currency)
{
    currency_ = currency;
    if (shown_)
        showYear(year_);
}

void StatisticsPage::showYear(int year)
{
    year_ = std::clamp(year, kFirstYear, kLastYear);
    yearLabel_->setText(QString::number(year_));
    std::optional<YearStatistics> statistics;
    readDatabase(databasePath_, "the year's statistics",
                 [&](Database& database) { statistics = yearStatistics(database, year_); });
    showStatistics(statistics);
}

// Figures that could not be read are not shown at all, rather than as zero.
void StatisticsPage::showStatistics(const std::optional<YearStatistics>& statistics)
{
    monthsTable_->setRowCount(0);
    totalsTable_->setRowCount(0);
    readFailedLabel_->setVisible(!statistics);
    if (charts_) {
        if (statistics)
            charts_->showStatistics(*statistics, currency_);
        else
            charts_->clearStatistics();
    }
    if (!statistics)
        return;
    const QLocale italian(QLocale::Italian);
    for (int month = 1; month <= 12; ++month)
        appendRow(monthsTable_, italian.standaloneMonthName(month), statistics->month(month));
    appendRow(monthsTable_, tr("Totale"), statistics->total());
    for (const EntryFigures& entry : statistics->entries)
        appendRow(totalsTable_, entry.connessione, entry.figures);
    for (DayType type : {DayType::Fer, DayType::Pre, DayType::Fes})
        appendRow(totalsTable_, dayTypeName(type), statistics->dayType(type));
}

} // namespace zrt
