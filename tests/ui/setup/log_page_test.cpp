#include "setup_window_fixture.h"

#include "controls/flat_button.h"
#include "database/connection_log.h"
#include "database/association_store.h"
#include "ui/setup/log_page.h"
#include "ui/setup/log_table_model.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTableView>

namespace zrt::test {
namespace {

class LogPageTest : public SetupWindowTest {
protected:
    LogPageTest() : page_(*child<LogPage>("pnl0")) {}

    // A call of ten minutes: priced at `costo`, or with none when nothing priced it.
    void log(const char* startedAt, std::optional<qint64> costo, const char* entry = "Casa",
             std::optional<qint64> received = std::nullopt, std::optional<qint64> sent = std::nullopt)
    {
        Database db = database();
        ConnectionLog connections(db);
        StoredFigures figures = costo ? StoredFigures(LogFigures{*costo, 3, 600}) : StoredFigures::unpriced(600);
        figures.byteRicevuti = received;
        figures.byteInviati = sent;
        const qint64 id = connections.open(LogRowStart{QString::fromUtf8(entry), *parseLocalDateTime(startedAt),
                                                       costo ? QStringLiteral("Telecom Italia") : kServizioNonDisponibile,
                                                       std::nullopt, std::nullopt},
                                           figures);
        connections.close(id, TimeOfDay{23 * 3600}, figures);
    }

    QString cell(int row, int column, int role = Qt::DisplayRole) const
    {
        const QAbstractItemModel* model = child<QTableView>("DBGrid1")->model();
        return model->data(model->index(row, column), role).toString();
    }

    int rows() const { return child<QTableView>("DBGrid1")->model()->rowCount(); }
    QString shown() const { return child<QLabel>("lblMese")->text() + ' ' + child<QLabel>("lblAnno")->text(); }
    QString total() const { return child<QLabel>("lblTotSpesa")->text(); }

    LogPage& page_;
};

TEST_F(LogPageTest, TheArrowsStepMonthAndYearAcrossTheYearBoundary)
{
    log("2027-01-15 10:00:00", 500);
    const struct { const char* button; const char* expected; } steps[] = {
        {"fltbutton7", "Gennaio 2027"},  {"fltbutton6", "Dicembre 2026"}, {"fltbutton6", "Novembre 2026"},
        {"fltbutton9", "Novembre 2027"}, {"fltbutton8", "Novembre 2026"},
    };
    page_.showPeriod(2026, 12);
    for (const auto& step : steps) {
        click(child<FlatButton>(step.button));
        EXPECT_EQ(shown(), QString::fromUtf8(step.expected)) << step.button;
        EXPECT_EQ(rows(), shown() == QStringLiteral("Gennaio 2027") ? 1 : 0) << step.expected;
    }
    EXPECT_EQ(total(), QStringLiteral("0"));
}

TEST_F(LogPageTest, StampaPrintsTheMonthShownAfterAReloadAndNothingForAnEmptyMonth)
{
    const QString pdf = settingsFolder_.filePath(QStringLiteral("lista.pdf"));
    page_.setPrintDestination(PrintDestination::pdfFile(pdf));
    page_.showPeriod(2026, 12);
    log("2026-12-07 18:00:00", 2500);
    click(child<FlatButton>("fltbutton13"));
    EXPECT_FALSE(QFileInfo::exists(pdf)) << "the month shown was still empty";
    EXPECT_EQ(messages_.notices, QStringList{QStringLiteral("Nessuna connessione in Dicembre 2026: niente da stampare.")});

    window_->reloadLog();
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(total(), QStringLiteral("2.500"));
    click(child<FlatButton>("fltbutton13"));
    EXPECT_GT(QFileInfo(pdf).size(), 0);
    EXPECT_TRUE(messages_.warnings.isEmpty());
}

// A month longer than a page: the grid holds the first page, scrolling adds
// the next, "Stampa" prints them all; a log that cannot be read any more
// prints nothing rather than a list with rows missing.
TEST_F(LogPageTest, ALongMonthIsReadAPageAtATimeAndPrintedWholeOrNotAtAll)
{
    const int logged = 2 * ConnectionLog::kPageRows + 88;
    {
        Database db = database();
        Transaction transaction(db);
        for (int i = 0; i < logged; ++i)
            db.query(QStringLiteral("INSERT INTO Connessioni (data, Connessione, inizio, fine, costo) "
                                    "VALUES ('2026-12-07', 'Casa', '10:00:00', '10:01:00', 1)"));
        transaction.commit();
    }
    const QString pdf = settingsFolder_.filePath(QStringLiteral("lista.pdf"));
    page_.setPrintDestination(PrintDestination::pdfFile(pdf));
    page_.showPeriod(2026, 12);
    EXPECT_EQ(rows(), ConnectionLog::kPageRows);
    child<QTableView>("DBGrid1")->model()->fetchMore({});
    EXPECT_EQ(rows(), 2 * ConnectionLog::kPageRows);
    EXPECT_EQ(total(), QString::number(logged));

    const QString kept = scratch_.path() + QStringLiteral(".kept");
    ASSERT_TRUE(QFile::rename(scratch_.path(), kept));
    QFile garbage(scratch_.path());
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("no longer a database");
    garbage.close();
    click(child<FlatButton>("fltbutton13"));
    EXPECT_FALSE(QFileInfo::exists(pdf));
    ASSERT_EQ(messages_.warnings.size(), 1);
    EXPECT_TRUE(messages_.warnings[0].contains(QStringLiteral("non si può leggere")));

    ASSERT_TRUE(QFile::remove(scratch_.path()) && QFile::rename(kept, scratch_.path()));
    page_.showPeriod(2026, 12);
    click(child<FlatButton>("fltbutton13"));
    EXPECT_EQ(rows(), logged);
    EXPECT_TRUE(QFileInfo::exists(pdf));
}

// Calls no tariff priced show "—" and stay out of the total, which says how
// many there are; "Ricalcola" prices those whose entry has a tariff now.
TEST_F(LogPageTest, UnknownCostsShowAsUnknownUntilRicalcolaPricesThem)
{
    log("2026-12-07 10:00:00", 1234);
    log("2026-12-07 11:00:00", std::nullopt, "Ufficio");
    log("2026-12-07 12:00:00", std::nullopt, "Nessuno");
    page_.showPeriod(2026, 12);
    EXPECT_EQ(total(), QStringLiteral("1.234 (2 connessioni senza tariffa)"));
    EXPECT_EQ(cell(1, LogTableModel::SpesaColumn), QStringLiteral("—"));
    EXPECT_EQ(cell(1, LogTableModel::ScattiColumn), QStringLiteral("—"));
    EXPECT_EQ(cell(0, LogTableModel::SpesaColumn), QStringLiteral("1234"));

    {
        Database db = database();
        AssociationStore(db).associate(QStringLiteral("Ufficio"), 1);
    }
    click(child<FlatButton>("fltRicalcola"));
    EXPECT_EQ(messages_.notices, QStringList{QStringLiteral("1 connessioni ricalcolate, 1 ancora senza tariffa")});
    EXPECT_NE(cell(1, LogTableModel::SpesaColumn), QStringLiteral("—"));
    EXPECT_EQ(cell(1, LogTableModel::ServizioColumn), QStringLiteral("Telecom Italia"));
    EXPECT_TRUE(total().endsWith(QStringLiteral(" (1 connessione senza tariffa)"))) << total().toStdString();
    EXPECT_TRUE(messages_.warnings.isEmpty());
}

// Received and sent shown together, each apart in the tooltip; a call whose
// counters were never read, or only one way, shows its traffic unknown.
TEST_F(LogPageTest, TheTrafficColumnShowsBothWaysTogether)
{
    const struct {
        std::optional<qint64> received;
        std::optional<qint64> sent;
        const char* text;
        const char* tip;
    } cases[] = {
        {12'000'000, 400'000, "12,4 MB", "Ricevuti 12,0 MB, inviati 400,0 kB"},
        {700, 299, "999 byte", "Ricevuti 700 byte, inviati 299 byte"},
        {std::nullopt, std::nullopt, "—", ""},
        {5'000, std::nullopt, "—", ""},
    };
    for (const auto& c : cases)
        log("2026-12-07 10:00:00", 100, "Casa", c.received, c.sent);
    page_.showPeriod(2026, 12);
    EXPECT_EQ(child<QTableView>("DBGrid1")->model()->headerData(LogTableModel::TrafficoColumn, Qt::Horizontal),
              QStringLiteral("Traffico"));
    for (int row = 0; row < int(std::size(cases)); ++row) {
        EXPECT_EQ(cell(row, LogTableModel::TrafficoColumn), QString::fromUtf8(cases[row].text)) << row;
        EXPECT_EQ(cell(row, LogTableModel::TrafficoColumn, Qt::ToolTipRole), QString::fromUtf8(cases[row].tip)) << row;
    }
}

} // namespace
} // namespace zrt::test
