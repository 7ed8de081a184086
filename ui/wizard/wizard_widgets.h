#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace zrt {

class FlatButton;

// A flat button on the window's face colour, at least as big as a classic
// push button.
FlatButton* wizardButton(const QString& objectName, const QString& caption, QWidget* parent);

// The bold line that opens a page or panel.
QLabel* makeHeading(const QString& text, const QString& objectName, QWidget* parent);

} // namespace zrt
