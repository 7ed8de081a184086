#pragma once

class QWidget;

namespace zrt {

class FlatButton;

// Makes button the one Enter clicks in scope, as in a dialog: when the
// widget with the keyboard focus leaves the key alone (a focused button,
// a grid cell being edited keep it), and while button is enabled and shown.
void setDefaultButton(FlatButton& button, QWidget& scope);

// The same for Escape.
void setCancelButton(FlatButton& button, QWidget& scope);

} // namespace zrt
