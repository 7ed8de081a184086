#include "management_window.h"

#include "associations_page.h"
#include "autostart_switch.h"
#include "info_page.h"
#include "ui/common/guide.h"
#include "log_page.h"
#include "options_page.h"
#include "page_icons.h"
#include "setup_widgets.h"
#include "statistics_page.h"
#include "tariffs_page.h"
#include "title_strip.h"
#include "vat_editor.h"
#include "year_charts_loader.h"

#include "controls/gradient_logo.h"
#include "controls/drop_down_button.h"
#include "controls/default_button.h"
#include "controls/flat_button.h"
#include "controls/separator.h"
#include "controls/twips.h"
#include "engine/program_name.h"
#include "ui/wizard/tariff_editor.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>

namespace zrt {

namespace {

// The window's make-up, in twips.
constexpr QSize kWindowSize(7095, 4890);
constexpr QRect kLogo(0, 0, 480, 4890);
constexpr QRect kStrip(480, 0, 6615, 450);
constexpr QRect kStripEdge(480, 450, 6615, 60);
constexpr QRect kFrame(540, 510, 6495, 4320);
// Every page sits 90 twips from the frame's sides and 240 from its top.
constexpr QRect kPages(90, 240, kFrame.width() - 2 * 90, kFrame.height() - 240 - 90);
constexpr QRect kDropDown(60, 60, 2700, 330);
constexpr QRect kAutostartBox(2940, 75, 2100, 300);
constexpr int kStripButtonsRight = 6555; // from the strip's left edge
constexpr int kStripButtonSize = 300;
constexpr int kStripButtonGap = 30;

constexpr ColorValue kLogoStart = 0xC0C0C0;
constexpr ColorValue kLogoEnd = 0x800000;
constexpr int kLogoPointSize = 14;

// One of the title strip's buttons, the given place from the right.
FlatButton* stripButton(QWidget& strip, const char* name, const char* caption, const QString& toolTip, int fromRight)
{
    FlatButton* button = makeFlatButton(QString::fromLatin1(name), QString::fromLatin1(caption), &strip);
    button->setToolTip(toolTip);
    const int left = kStripButtonsRight - fromRight * (kStripButtonSize + kStripButtonGap);
    const int top = (kStrip.height() - kStripButtonSize) / 2;
    button->setGeometry(PixelScale::ofScreen().toPixels({left, top, kStripButtonSize, kStripButtonSize}));
    return button;
}

} // namespace

ManagementWindow::ManagementWindow(const QString& databasePath, const QString& executablePath, Autostart& autostart,
                   Settings& settings, UserMessages& messages, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), databasePath_(databasePath), messages_(messages),
      logoLabel_(new QLabel(this)), logo_(new GradientLogo(this)), titleStrip_(new TitleStrip(this)),
      autostartBox_(new QCheckBox(tr("Avvio Automatico"), titleStrip_)), pageButton_(new DropDownButton(titleStrip_)),
      pageMenu_(new QMenu(this)), pageFrame_(new QGroupBox(this)), pages_(new QStackedWidget(pageFrame_))
{
    setObjectName(QStringLiteral("frmSetup"));
    setWindowTitle(tr("Setup ZR Tellix 99"));
    setFont(setupFont());
    const PixelScale scale = PixelScale::ofScreen();
    setFixedSize(scale.toPixelsX(kWindowSize.width()), scale.toPixelsY(kWindowSize.height()));

    logoLabel_->setObjectName(QStringLiteral("picLogo"));
    logoLabel_->setGeometry(scale.toPixels(kLogo));
    titleStrip_->setGeometry(scale.toPixels(kStrip));
    auto* edge = new Separator(this);
    edge->setGeometry(scale.toPixels(kStripEdge));
    pageFrame_->setObjectName(QStringLiteral("frm"));
    pageFrame_->setGeometry(scale.toPixels(kFrame));
    pages_->setObjectName(QStringLiteral("pnl"));
    pages_->setAutoFillBackground(true); // hides the frame's tint behind the flat controls
    pages_->setGeometry(scale.toPixels(kPages));

    buildTitleStrip(autostart, settings, executablePath);
    buildPageMenu();
    buildPages(settings);

    choosePage(SetupPage::Log);
    tariffsPage_->reloadTariffs();
    const QDate today = QDate::currentDate();
    logPage_->showPeriod(today.year(), today.month());
    tariffsPage_->vatEditor().load();

    setUpLogo();
}

void ManagementWindow::buildTitleStrip(Autostart& autostart, Settings& settings, const QString& executablePath)
{
    const PixelScale scale = PixelScale::ofScreen();
    pageButton_->setObjectName(QStringLiteral("dpOpzioni"));
    pageButton_->setGeometry(scale.toPixels(kDropDown));
    autostartBox_->setObjectName(QStringLiteral("chkAvvio"));
    autostartBox_->setToolTip(tr("Consente l'avvio automatico di ZR Tellix 99 all'accesso al desktop"));
    autostartBox_->setGeometry(scale.toPixels(kAutostartBox));
    autostartSwitch_ = new AutostartSwitch(*autostartBox_, autostart, settings, executablePath, messages_);

    FlatButton* minimiseButton = stripButton(*titleStrip_, "fltbutton2", "_", tr("Riduci ad icona Setup"), 3);
    FlatButton* aboutButton = stripButton(*titleStrip_, "fltbutton10", "?", tr("Info ZR Tellix 99"), 2);
    FlatButton* closeButton = stripButton(*titleStrip_, "fltbutton1", "x", tr("Chiudi Setup"), 1);
    connect(minimiseButton, &FlatButton::clicked, this, &QWidget::showMinimized);
    connect(aboutButton, &FlatButton::clicked, this, [this] { choosePage(SetupPage(kSetupPageCount - 1)); });
    connect(closeButton, &FlatButton::clicked, this, &QWidget::hide);
    setCancelButton(*closeButton, *this);
    setTabOrder(pageButton_, autostartBox_);
    setTabOrder(autostartBox_, minimiseButton);
    setTabOrder(minimiseButton, aboutButton);
    setTabOrder(aboutButton, closeButton);
    connect(pageButton_, &DropDownButton::dropDownOpened, this, &ManagementWindow::openMenu);
    connect(pageButton_, &DropDownButton::dropDownClosed, pageMenu_, &QMenu::hide);
}

void ManagementWindow::setUpLogo()
{
    logoLabel_->setFont(QFont(QStringLiteral("Arial"), kLogoPointSize, QFont::Bold));
    QPalette palette = logoLabel_->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    logoLabel_->setPalette(palette);
    logo_->setDrawingObject(logoLabel_);
    logo_->setCaption(QString::fromUtf8(kProgramName));
    logo_->setStartColor(kLogoStart);
    logo_->setEndColor(kLogoEnd);
}

void ManagementWindow::buildPageMenu()
{
    pageMenu_->setObjectName(QStringLiteral("Scelta"));
    for (int index = 0; index < kSetupPageCount; ++index) {
        const auto page = SetupPage(index);
        QAction* mnu = pageMenu_->addAction(pageCaption(page));
        mnu->setObjectName(QStringLiteral("mnu%1").arg(index));
        connect(mnu, &QAction::triggered, this, [this, page] { choosePage(page); });
    }
    // Leaving the menu without a choice puts the drop-down up again too.
    connect(pageMenu_, &QMenu::aboutToHide, pageButton_, &DropDownButton::closeDropDown);
}

void ManagementWindow::buildPages(Settings& settings)
{
    logPage_ = new LogPage(databasePath_, messages_, pages_);
    associationsPage_ = new AssociationsPage(databasePath_, messages_, pages_);
    tariffsPage_ = new TariffsPage(databasePath_, messages_, pages_);
    statisticsPage_ = new StatisticsPage(databasePath_, installedChartsPluginPath(), pages_);
    for (QWidget* page : std::initializer_list<QWidget*>{logPage_, associationsPage_, tariffsPage_, statisticsPage_,
                                                          new OptionsPage(settings, databasePath_, messages_, pages_),
                                                          new InfoPage(pages_)})
        pages_->addWidget(page);
    for (int index = 0; index < kSetupPageCount; ++index)
        pages_->widget(index)->setObjectName(QStringLiteral("pnl%1").arg(index));
    connect(tariffsPage_, &TariffsPage::addTariffRequested, this, [this] { openTariffEditor(std::nullopt); });
    connect(tariffsPage_, &TariffsPage::editTariffRequested, this, &ManagementWindow::openTariffEditor);
    connect(&tariffsPage_->vatEditor(), &VatEditor::vatChanged, this, &ManagementWindow::vatChanged);
}

void ManagementWindow::buildAssociationList(const QStringList& entries)
{
    associationsPage_->build(entries);
}

void ManagementWindow::reloadLog()
{
    logPage_->reload();
}

void ManagementWindow::setCurrency(Currency currency)
{
    statisticsPage_->setCurrency(currency);
}

void ManagementWindow::showFromMainWindow()
{
    autostartSwitch_->syncFromSettings();
    showNormal();
    raise();
    activateWindow();
}

void ManagementWindow::choosePage(SetupPage page)
{
    const QString caption = pageCaption(page);
    pageButton_->setCaption(caption);
    pageFrame_->setTitle(caption);
    pageButton_->closeDropDown();
    pages_->setCurrentIndex(int(page));
    setProperty(kGuidePageProperty, guidePageOf(page));
    const QPixmap icon = pageIcon(page);
    if (!icon.isNull())
        pageButton_->setPicture(icon);
}

SetupPage ManagementWindow::currentPage() const
{
    return SetupPage(pages_->currentIndex());
}

void ManagementWindow::openMenu()
{
    pageMenu_->popup(pageButton_->mapToGlobal(QPoint(0, pageButton_->height())));
}

bool ManagementWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        activated();
    return QWidget::event(event);
}

void ManagementWindow::activated()
{
    tariffsPage_->vatEditor().reload();
    tariffsPage_->refreshBands();
    autostartSwitch_->syncFromSettings();
}

void ManagementWindow::closeEvent(QCloseEvent* event)
{
    hide();
    event->ignore();
}

// One editor at a time: while one is open, asking for another raises it.
void ManagementWindow::openTariffEditor(std::optional<int> idTariffa)
{
    if (tariffEditor_) {
        tariffEditor_->raise();
        tariffEditor_->activateWindow();
        return;
    }
    auto* editor = new TariffEditor(databasePath_, messages_, this);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    if (idTariffa && !editor->openTariff(*idTariffa)) {
        delete editor;
        return;
    }
    if (!idTariffa)
        editor->selectCompany(associationsPage_->selectedCompany());
    connect(editor, &TariffEditor::tariffSaved, tariffsPage_, [this](int saved) {
        tariffsPage_->reloadTariffs();
        tariffsPage_->selectTariff(saved);
    });
    tariffEditor_ = editor;
    editor->show();
}

} // namespace zrt
