#pragma once

#include <QString>
#include <QWidget>

#include <optional>

class QLabel;
class QStackedWidget;

namespace zrt {

class BandPage;
class CompanyPage;
class DescriptionPage;
class FlatButton;

// The tariff editor: a wizard of five pages that creates a tariff. The user
// picks or creates the phone company, types the description, then enters
// the bands of each day type, weekday, Saturday and holiday. Everything is
// written as the user goes: a new company when its panel is confirmed, the
// tariff on reaching the first band page, a band when it is added, changed
// or deleted. Leaving early keeps what was written.
//
// The caller creates one editor for each opening.
class TariffEditor : public QWidget {
    Q_OBJECT

public:
    explicit TariffEditor(const QString& databasePath, QWidget* parent = nullptr);

    // Selects the last listed company of that exact name, if any; the first
    // company is selected otherwise.
    void selectCompany(const QString& compagnia);

signals:
    // The editor closed after writing companies, tariffs or bands.
    void tariffsChanged();
    // "OK" on the last page: the tariff is complete.
    void tariffConfirmed(int idTariffa);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    static constexpr int kLastPage = 4;

    void loadCompanies();
    void addCompany(const QString& nome, const QString& tipotariffazione);
    bool saveTariff();

    void setPage(int page);
    void forward();
    void companySelected();
    void updateForwardButton();
    void showMessage(const QString& text);

    QString databasePath_;
    int pageIndex_ = 0;
    std::optional<int> idTariffa_;
    bool written_ = false;
    bool confirmed_ = false;

    CompanyPage* companyPage_;
    DescriptionPage* descriptionPage_;
    BandPage* bandPage_;
    QStackedWidget* pages_;
    QLabel* messageLabel_;
    FlatButton* backButton_;
    FlatButton* nextButton_;
};

} // namespace zrt
