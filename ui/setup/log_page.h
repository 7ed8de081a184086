#pragma once

#include "printing/print_destination.h"

#include "database/connection_log.h"

#include <QString>
#include <QWidget>

#include <optional>

class QLabel;
class QTableView;

namespace zrt {

class DatabaseError;
class LogTableModel;
class UserMessages;
class FlatButton;

// The "Lista Connessioni" page: the connections logged in one calendar
// month, arrows that step the month and the year, the total spent in the
// month with how many connections it leaves out for want of a tariff,
// "Ricalcola", which prices those again with the tariffs of now, and
// "Stampa", which shows the list in a print preview to print from.
class LogPage : public QWidget {
    Q_OBJECT

public:
    LogPage(QString databasePath, UserMessages& messages, QWidget* parent = nullptr);

    // Shows the month and re-reads its connections.
    void showPeriod(int year, int month);
    // Re-reads the connections of the month shown.
    void reload();

    int year() const { return year_; }
    int month() const { return month_; }

    // Where "Stampa" prints at once, without the preview.
    void setPrintDestination(PrintDestination destination) { printDestination_ = std::move(destination); }

private:
    void previousMonth();
    void nextMonth();
    void reprice();
    void print();
    // Prints with the notice "Attendere Stampa in corso..." and the busy
    // pointer; nothing when the period could not be read whole.
    std::optional<PrintOutcome> printWithNotice();
    PrintOutcome printListed();
    QList<LogRow> readPage(int year, int month, qint64 afterId);
    void noteReadError(const DatabaseError& error);
    void showTotal(const std::optional<LogTotal>& total);

    QString databasePath_;
    UserMessages& messages_;
    std::optional<PrintDestination> printDestination_;
    bool readFailed_ = false; // the period shown could not be read whole
    std::optional<LogTotal> total_;
    int year_ = 0;
    int month_ = 0;

    LogTableModel* model_;
    QLabel* monthLabel_;
    QLabel* yearLabel_;
    QLabel* totalLabel_;
    FlatButton* printButton_;
};

} // namespace zrt
