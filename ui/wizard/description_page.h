#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace zrt {

// The wizard's second page: the description of the tariff.
class DescriptionPage : public QWidget {
    Q_OBJECT

public:
    explicit DescriptionPage(QWidget* parent = nullptr);

    void setCompanyName(const QString& nome);
    // The heading and text of a stored tariff being changed.
    void showStoredDescription(const QString& descrizione);
    QString description() const;

signals:
    void descriptionChanged();

private:
    QLabel* headingLabel_;
    QLabel* companyLabel_;
    QLineEdit* descriptionEdit_;
};

} // namespace zrt
