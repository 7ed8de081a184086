#pragma once

#include "tests/support/recording_messages.h"
#include "tests/support/scratch_database.h"

#include "ui/wizard/band_cells.h"
#include "ui/wizard/tariff_editor.h"

#include "controls/flat_button.h"
#include "database/tariff_store.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace zrt::test {

// A tariff editor on a scratch copy of the shipped database (company 1
// "Telecom Italia" per minute, company 2 "Telecom Italia 1998" by pulse),
// driven as a user would: clicks on its buttons, typing into its boxes and
// its band grid.
class WizardTest : public ::testing::Test {
protected:
    explicit WizardTest(Content content = Content::DefaultTariffs) : scratch_(content) {}

    void openEditor()
    {
        window_ = std::make_unique<TariffEditor>(scratch_.path(), messages_);
        window_->show();
    }

    template <typename Widget>
    Widget* find(const char* name) const
    {
        auto* widget = window_->findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << "no " << name;
        return widget;
    }
    FlatButton* button(const char* name) const { return find<FlatButton>(name); }
    QLineEdit* lineEdit(const char* name) const { return find<QLineEdit>(name); }
    QComboBox* comboBox(const char* name) const { return find<QComboBox>(name); }
    QTableView* grid() const { return find<QTableView>("dbTariffe"); }
    int shownPanel() const { return window_->findChild<QStackedWidget*>()->currentIndex(); }
    QString message() const { return find<QLabel>("lblMessaggio")->text(); }
    QStringList problems() const
    {
        QStringList lines;
        auto* list = find<QListWidget>("lstProblemi");
        for (int row = 0; row < list->count(); ++row)
            lines.append(list->item(row)->text());
        return lines;
    }
    QByteArray digest() const { return fileDigest(scratch_.path()); }

    void click(const char* buttonName) { QTest::mouseClick(button(buttonName), Qt::LeftButton); }
    void type(const char* lineEditName, const QString& text)
    {
        lineEdit(lineEditName)->selectAll();
        QTest::keyClicks(lineEdit(lineEditName), text);
    }
    void chooseCompany(const QString& nome) { comboBox("cboCompagnie")->setCurrentText(nome); }

    // From the company page to the first band page with a new tariff.
    void reachFirstBandPage(const QString& descrizione = QStringLiteral("Urbana"))
    {
        click("fltAvanti");
        type("Text1", descrizione);
        click("fltAvanti");
    }

    // Adds one band for the whole day of the page's day type, filled in.
    void addWholeDay(const QString& costo = QStringLiteral("127"))
    {
        const int row = grid()->model()->rowCount();
        click("fltbutton3");
        if (!grid()->isColumnHidden(int(BandColumn::Durata)))
            typeIntoCell(row, BandColumn::Durata, QStringLiteral("180"));
        const BandColumn price = grid()->isColumnHidden(int(BandColumn::CostoScatto)) ? BandColumn::CostoMinuto
                                                                                     : BandColumn::CostoScatto;
        typeIntoCell(row, price, costo);
        typeIntoCell(row, BandColumn::CostoRisposta, QStringLiteral("100"));
    }

    // From the first band page to the last, a whole-day band on each.
    void fillAllDayTypes()
    {
        for (int page = 0; page < 3; ++page) {
            addWholeDay();
            if (page < 2)
                click("fltAvanti");
        }
    }

    QModelIndex cell(int row, BandColumn column) const { return grid()->model()->index(row, int(column)); }
    QString cellText(int row, BandColumn column) const { return cell(row, column).data().toString(); }
    void selectCell(int row, BandColumn column)
    {
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(cell(row, column)).center());
    }

    // Opens the cell's editor by double-click, types the text over what it
    // holds and ends with the key.
    void typeIntoCell(int row, BandColumn column, const QString& text, Qt::Key finish = Qt::Key_Tab)
    {
        selectCell(row, column);
        QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(cell(row, column)).center());
        auto* editor = qobject_cast<QLineEdit*>(grid()->indexWidget(cell(row, column)));
        ASSERT_NE(editor, nullptr) << "the cell opened no editor";
        editor->selectAll();
        if (text.isEmpty())
            QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, finish);
        QCoreApplication::processEvents(); // the grid takes a cell ended by Return in a queued call
    }

    Database database() const { return scratch_.open(); }
    QList<TariffaInfo> tariffs() const
    {
        Database opened = database();
        return TariffStore(opened).tariffs();
    }
    QList<Fascia> bands(int idTariffa, DayType tipo) const
    {
        Database opened = database();
        return TariffStore(opened).bands(idTariffa, tipo);
    }

    ScratchDatabase scratch_;
    RecordingMessages messages_;
    std::unique_ptr<TariffEditor> window_;
};

} // namespace zrt::test
