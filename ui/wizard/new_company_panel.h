#pragma once

#include <QFrame>

class QComboBox;
class QLineEdit;

namespace zrt {

class FlatButton;

// The panel that asks for a new phone company: its name and whether it
// charges by pulse ("Scatto") or by the minute ("Minuto").
class NewCompanyPanel : public QFrame {
    Q_OBJECT

public:
    explicit NewCompanyPanel(QWidget* parent = nullptr);

    // Ready for a new company: per minute chosen, the name box as it was.
    void prepare();
    // After a company was taken the name box holds "0", so OK is ready
    // when the panel comes back.
    void companyTaken();

signals:
    void confirmed(const QString& nome, const QString& tipotariffazione);
    void cancelled();

private:
    void nameChanged(const QString& text);

    QLineEdit* nameEdit_;
    QComboBox* meteringBox_;
    FlatButton* okButton_;
};

} // namespace zrt
