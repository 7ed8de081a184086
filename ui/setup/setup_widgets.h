#pragma once

#include <QString>

class QAbstractItemModel;
class QFont;
class QLabel;
class QTableView;
class QWidget;

namespace zrt {

class FlatButton;

// The font of the management window and its dialog.
QFont setupFont();

// A flat button of the management window, named for lookups.
FlatButton* setupButton(const QString& objectName, const QString& caption, QWidget* parent);

QLabel* setupLabel(const QString& objectName, const QString& text, QWidget* parent);
// The bold, centred month or year between a page's "<" and ">" buttons.
QLabel* periodLabel(const QString& objectName, QWidget* parent);

// A read-only grid that selects one whole row at a time.
QTableView* setupGrid(const QString& objectName, QAbstractItemModel* model, QWidget* parent);

} // namespace zrt
