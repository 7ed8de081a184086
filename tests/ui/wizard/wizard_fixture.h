#pragma once

#include "tests/database/scratch_database.h"

#include "ui/wizard/band_cells.h"
#include "ui/wizard/frmcambiatariffa.h"

#include "database/tariff_store.h"

#include <QString>

#include <gtest/gtest.h>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QTableView;

namespace zrt {

class fltbutton;

namespace test {

// A tariff editor on a scratch database, driven as a user would: clicks on
// its buttons, typing into its boxes and its band grid.
class WizardTest : public ::testing::Test {
protected:
    explicit WizardTest(Content content = Content::DefaultTariffs) : scratch_(content) {}

    void openEditor();

    fltbutton* button(const char* name) const;
    QLabel* label(const char* name) const;
    QLineEdit* lineEdit(const char* name) const;
    QComboBox* comboBox(const char* name) const;
    QTableView* grid() const;
    int shownPanel() const;
    QString message() const;

    void click(const char* buttonName);
    void type(const char* lineEditName, const QString& text);
    void chooseCompany(const QString& nome);
    // From the company page to the first band page with a new tariff.
    void reachFirstBandPage(const QString& descrizione = QStringLiteral("Urbana"));

    // Opens the cell's editor by double-click, types the text over what it
    // holds and ends with the key.
    void typeIntoCell(int row, BandColumn column, const QString& text, Qt::Key finish = Qt::Key_Tab);
    QString cellText(int row, BandColumn column) const;
    void selectCell(int row, BandColumn column);
    QStringList shownColumnCaptions() const;

    Database database() const { return scratch_.open(); }
    QList<TariffaInfo> tariffs() const;
    QList<Fascia> bands(int idTariffa, DayType tipo) const;
    int lastTariffKey() const;

    ScratchDatabase scratch_;
    std::unique_ptr<frmCambiaTariffa> window_;
};

} // namespace test
} // namespace zrt
