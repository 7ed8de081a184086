#pragma once

#include "setup_pages.h"
#include "ui/common/user_messages.h"

#include "engine/currency.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QStackedWidget;

namespace zrt {

class AssociationsPage;
class Autostart;
class AutostartSwitch;
class LogPage;
class Settings;
class StatisticsPage;
class TariffsPage;
class TitleStrip;
class GradientLogo;
class DropDownButton;
class TariffEditor;

// The management window: a fixed-size borderless window with its own title
// strip, gathering the connection log, the dial-up entries with their
// tariffs, the tariffs with their bands and the VAT rate, the year's
// statistics and the information page. It is made once, hidden, at
// start-up and lives as long as the program; closing it only hides it, so
// the page, the period and the selections are there at the next showing.
class ManagementWindow : public QWidget {
    Q_OBJECT

public:
    ManagementWindow(const QString& databasePath, const QString& executablePath, Autostart& autostart, Settings& settings,
             UserMessages& messages = UserMessages::messageBoxes(), QWidget* parent = nullptr);

    // Lists the dial-up entries with their tariffs, first giving every entry
    // without one the default tariff.
    void buildAssociationList(const QStringList& entries);
    // Re-reads the log month shown, after a connection was logged.
    void reloadLog();
    void setCurrency(Currency currency);
    // Sets "Avvio Automatico" from the stored setting, then shows the window
    // (restored, if it was minimised).
    void showFromMainWindow();

    void choosePage(SetupPage page);
    SetupPage currentPage() const;

signals:
    // The user confirmed a new VAT rate; it is stored already.
    void vatChanged(int rate);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTitleStrip(Autostart& autostart, Settings& settings, const QString& executablePath);
    void buildPageMenu();
    void buildPages(Settings& settings);
    void setUpLogo();
    void openMenu();
    void activated();
    // A new tariff, or the stored tariff to change.
    void openTariffEditor(std::optional<int> idTariffa);

    QString databasePath_;
    UserMessages& messages_;

    QLabel* logoLabel_;
    GradientLogo* logo_;
    TitleStrip* titleStrip_;
    QCheckBox* autostartBox_;
    AutostartSwitch* autostartSwitch_ = nullptr;
    DropDownButton* pageButton_;
    QMenu* pageMenu_;
    QGroupBox* pageFrame_;
    QStackedWidget* pages_;
    LogPage* logPage_ = nullptr;
    AssociationsPage* associationsPage_ = nullptr;
    TariffsPage* tariffsPage_ = nullptr;
    StatisticsPage* statisticsPage_ = nullptr;
    QPointer<TariffEditor> tariffEditor_;
};

} // namespace zrt
