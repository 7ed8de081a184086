#include "setup_widgets.h"

#include "controls/flat_button.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>

namespace zrt {

namespace {

constexpr int kButtonHeight = 22;
constexpr int kRowPadding = 4;
constexpr int kFontPointSize = 8;

} // namespace

QFont setupFont()
{
    return QFont(QStringLiteral("Arial"), kFontPointSize);
}

FlatButton* setupButton(const QString& objectName, const QString& caption, QWidget* parent)
{
    FlatButton* button = makeFlatButton(objectName, caption, parent);
    button->setMinimumHeight(kButtonHeight);
    button->setMinimumWidth(kButtonHeight);
    return button;
}

QLabel* setupLabel(const QString& objectName, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    return label;
}

QLabel* periodLabel(const QString& objectName, QWidget* parent)
{
    constexpr int kPeriodLabelWidth = 70;
    QLabel* label = setupLabel(objectName, QString(), parent);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(kPeriodLabelWidth);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QTableView* setupGrid(const QString& objectName, QAbstractItemModel* model, QWidget* parent)
{
    auto* grid = new QTableView(parent);
    grid->setObjectName(objectName);
    grid->setModel(model);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + kRowPadding);
    grid->horizontalHeader()->setHighlightSections(false);
    return grid;
}

} // namespace zrt
