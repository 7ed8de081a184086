#pragma once

#include <QWidget>

namespace zrt {

// The "Statistiche" page, which has nothing to show yet.
class StatisticsPage : public QWidget {
    Q_OBJECT

public:
    explicit StatisticsPage(QWidget* parent = nullptr);
};

} // namespace zrt
