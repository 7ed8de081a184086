#include "statistics_page.h"

#include "setup_widgets.h"

#include <QLabel>
#include <QVBoxLayout>

namespace zrt {

StatisticsPage::StatisticsPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(setupLabel(QStringLiteral("lblStatistiche"), tr("Statistiche"), this), 0,
                      Qt::AlignCenter);
}

} // namespace zrt
