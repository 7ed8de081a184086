#pragma once

#include "tariff_draft.h"

#include "ui/common/user_messages.h"

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

// The tariff editor: a wizard of five pages that makes a new tariff or
// changes a stored one. The user picks or names the phone company, types
// the description, then enters the bands of each day type, weekday,
// Saturday and holiday, which are checked as they are typed. All of it is
// kept in memory; "OK" on the last page writes the tariff, with its new
// company if it has one, in one transaction, and only a tariff without
// problems. Leaving in any other way writes nothing.
//
// The caller creates one editor for each opening.
class TariffEditor : public QWidget {
    Q_OBJECT

public:
    explicit TariffEditor(const QString& databasePath, UserMessages& messages = UserMessages::messageBoxes(),
                          QWidget* parent = nullptr);
    ~TariffEditor() override;

    // Selects the last listed company of that exact name, if any; the first
    // company is selected otherwise.
    void selectCompany(const QString& compagnia);

    // Opens a stored tariff for changing, its company fixed. False, the
    // user told why, when it cannot be read.
    bool openTariff(int idTariffa);

signals:
    // "OK" wrote the tariff.
    void tariffSaved(int idTariffa);

private:
    static constexpr int kLastPage = 4;

    void loadCompanies();
    void takeNewCompany(const QString& nome, const QString& tipotariffazione);
    bool descriptionAccepted();
    void save();
    bool write();

    void setPage(int page);
    void forward();
    void companySelected();
    void updateForwardButton();

    QString databasePath_;
    UserMessages& messages_;
    TariffDraft draft_;
    std::optional<int> idTariffa_; // the stored tariff being changed
    int pageIndex_ = 0;

    CompanyPage* companyPage_;
    DescriptionPage* descriptionPage_;
    BandPage* bandPage_;
    QStackedWidget* pages_;
    QLabel* messageLabel_;
    FlatButton* backButton_ = nullptr;
    FlatButton* nextButton_ = nullptr;
};

} // namespace zrt
