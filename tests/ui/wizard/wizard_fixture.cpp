#include "wizard_fixture.h"

#include "controls/fltbutton.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>

namespace zrt::test {

namespace {

template <typename Widget>
Widget* find(const QWidget& window, const char* name)
{
    auto* widget = window.findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << "no " << name;
    return widget;
}

} // namespace

void WizardTest::openEditor()
{
    window_ = std::make_unique<frmCambiaTariffa>(scratch_.path());
    window_->show();
}

fltbutton* WizardTest::button(const char* name) const
{
    return find<fltbutton>(*window_, name);
}

QLabel* WizardTest::label(const char* name) const
{
    return find<QLabel>(*window_, name);
}

QLineEdit* WizardTest::lineEdit(const char* name) const
{
    return find<QLineEdit>(*window_, name);
}

QComboBox* WizardTest::comboBox(const char* name) const
{
    return find<QComboBox>(*window_, name);
}

QTableView* WizardTest::grid() const
{
    return find<QTableView>(*window_, "dbTariffe");
}

int WizardTest::shownPanel() const
{
    return window_->findChild<QStackedWidget*>()->currentIndex();
}

QString WizardTest::message() const
{
    return label("lblMessaggio")->text();
}

void WizardTest::click(const char* buttonName)
{
    QTest::mouseClick(button(buttonName), Qt::LeftButton);
}

void WizardTest::type(const char* lineEditName, const QString& text)
{
    QLineEdit* box = lineEdit(lineEditName);
    box->selectAll();
    QTest::keyClicks(box, text);
}

void WizardTest::chooseCompany(const QString& nome)
{
    QComboBox* companies = comboBox("cboCompagnie");
    companies->setCurrentIndex(companies->findText(nome));
}

void WizardTest::reachFirstBandPage(const QString& descrizione)
{
    click("fltAvanti");
    type("Text1", descrizione);
    click("fltAvanti");
}

void WizardTest::typeIntoCell(int row, BandColumn column, const QString& text, Qt::Key finish)
{
    const QModelIndex index = grid()->model()->index(row, static_cast<int>(column));
    const QPoint centre = grid()->visualRect(index).center();
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, centre);
    auto* editor = qobject_cast<QLineEdit*>(grid()->indexWidget(index));
    ASSERT_NE(editor, nullptr) << "the cell opened no editor";
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, finish);
    QCoreApplication::processEvents(); // the grid takes a cell ended by Return in a queued call
}

QString WizardTest::cellText(int row, BandColumn column) const
{
    return grid()->model()->index(row, static_cast<int>(column)).data().toString();
}

void WizardTest::selectCell(int row, BandColumn column)
{
    const QModelIndex index = grid()->model()->index(row, static_cast<int>(column));
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(index).center());
}

QStringList WizardTest::shownColumnCaptions() const
{
    QStringList captions;
    for (int column = 0; column < grid()->model()->columnCount(); ++column) {
        if (!grid()->isColumnHidden(column))
            captions << grid()->model()->headerData(column, Qt::Horizontal).toString();
    }
    return captions;
}

QList<TariffaInfo> WizardTest::tariffs() const
{
    Database opened = database();
    return TariffStore(opened).tariffs();
}

QList<Fascia> WizardTest::bands(int idTariffa, DayType tipo) const
{
    Database opened = database();
    return TariffStore(opened).bands(idTariffa, tipo);
}

int WizardTest::lastTariffKey() const
{
    const QList<TariffaInfo> all = tariffs();
    return all.isEmpty() ? 0 : all.back().id;
}

} // namespace zrt::test
