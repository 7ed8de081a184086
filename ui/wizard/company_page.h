#pragma once

#include "database/tariff_store.h"

#include <QList>
#include <QWidget>

#include <optional>

class QComboBox;
class QStackedLayout;

namespace zrt {

class FlatButton;
class NewCompanyPanel;

// The wizard's first page: the choice of the phone company, with the panel
// that asks for a new one.
class CompanyPage : public QWidget {
    Q_OBJECT

public:
    explicit CompanyPage(QWidget* parent = nullptr);

    // Lists the companies and selects the first.
    void setCompanies(const QList<Compagnia>& companies);
    // Shows only this company, which cannot be changed: the tariff being
    // edited stays with it.
    void fixCompany(const Compagnia& compagnia);
    // Selects the last company of that exact name; false when there is none.
    bool selectCompany(const QString& nome);
    std::optional<Compagnia> selectedCompany() const;

    // Whether a listed company has that name (see isSameName()).
    bool hasCompanyNamed(const QString& nome) const;
    // Lists and selects a company not written yet, and closes the panel.
    void addCompany(const Compagnia& compagnia);

signals:
    void selectionChanged();
    void newCompanyConfirmed(const QString& nome, const QString& tipotariffazione);

private:
    void appendCompany(const Compagnia& compagnia);
    void openPanel();
    void closePanel();

    QComboBox* companyBox_;
    NewCompanyPanel* newCompanyPanel_;
    FlatButton* newCompanyButton_;
    QStackedLayout* views_;
    QWidget* choice_;
};

} // namespace zrt
