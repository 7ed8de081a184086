#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace zrt {

// The wizard's second page: the description of the new tariff.
class DescriptionPage : public QWidget {
    Q_OBJECT

public:
    explicit DescriptionPage(QWidget* parent = nullptr);

    void setCompanyName(const QString& nome);
    QString description() const;

signals:
    void descriptionChanged();

private:
    QLabel* companyLabel_;
    QLineEdit* descriptionEdit_;
};

} // namespace zrt
