#pragma once

#include "tariff_draft.h"

#include "engine/day_type.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QTableView;

namespace zrt {

class BandTableModel;
class ReductionMinuteBox;

// The band page, shared by the three day types: the grid of the draft's
// bands for one day type, with buttons to add and delete a band, and under
// it the problems of that day type, checked as the user types. Per-minute
// tariffs also show the reduction minute, one for the whole tariff.
class BandPage : public QWidget {
    Q_OBJECT

public:
    explicit BandPage(TariffDraft& draft, QWidget* parent = nullptr);

    void showDayType(DayType tipo);
    // Takes the text of a cell still being typed in.
    void commitOpenCell();
    int bandCount() const;

signals:
    void bandCountChanged();
    // A hint for the window's message line; empty to clear it.
    void messageChanged(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showColumns();
    void showProblems();
    void changeReductionMinute(int minute);
    void addBand();
    void removeCurrentBand();

    TariffDraft& draft_;
    BandTableModel* bands_;
    QLabel* dayTypeLabel_;
    QLabel* companyLabel_;
    ReductionMinuteBox* reductionBox_;
    QTableView* bandTable_;
    QListWidget* problemList_;
};

} // namespace zrt
