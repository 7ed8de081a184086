#include "frmsetup.h"

#include "associations_page.h"
#include "autostart_switch.h"
#include "info_page.h"
#include "log_page.h"
#include "page_icons.h"
#include "setup_widgets.h"
#include "statistics_page.h"
#include "tariffs_page.h"
#include "title_strip.h"
#include "vat_editor.h"

#include "controls/clogo.h"
#include "controls/dropdown.h"
#include "controls/fltbutton.h"
#include "controls/separator.h"
#include "controls/twips.h"
#include "ui/wizard/frmcambiatariffa.h"

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

const QString kMinimisedTitle = QStringLiteral("Setup ZR Tellix 99");
const QString kProgramTitle = QStringLiteral("ZR Tellix 99");

QRect inPixels(const PixelScale& scale, const QRect& twips)
{
    return {scale.toPixelsX(twips.x()), scale.toPixelsY(twips.y()), scale.toPixelsX(twips.width()),
            scale.toPixelsY(twips.height())};
}

// One of the title strip's buttons, the given place from the right.
fltbutton* stripButton(QWidget& strip, const char* name, const char* caption, const char* toolTip, int fromRight)
{
    fltbutton* button = namedFltbutton(QString::fromLatin1(name), QString::fromLatin1(caption), &strip);
    button->setToolTip(QString::fromLatin1(toolTip));
    const int left = kStripButtonsRight - fromRight * (kStripButtonSize + kStripButtonGap);
    const int top = (kStrip.height() - kStripButtonSize) / 2;
    button->setGeometry(inPixels(PixelScale::ofScreen(), {left, top, kStripButtonSize, kStripButtonSize}));
    return button;
}

} // namespace

frmSetup::frmSetup(const QString& databasePath, const QString& executablePath, Autostart& autostart,
                   Settings& settings, UserMessages& messages, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), databasePath_(databasePath), messages_(messages),
      picLogo_(new QLabel(this)), logo_(new cLogo(this)), Picture1_(new TitleStrip(this)),
      chkAvvio_(new QCheckBox(QStringLiteral("Avvio Automatico"), Picture1_)), dpOpzioni_(new dropdown(Picture1_)),
      Scelta_(new QMenu(this)), frm_(new QGroupBox(this)), pnl_(new QStackedWidget(frm_))
{
    setObjectName(QStringLiteral("frmSetup"));
    setFont(setupFont());
    const PixelScale scale = PixelScale::ofScreen();
    setFixedSize(scale.toPixelsX(kWindowSize.width()), scale.toPixelsY(kWindowSize.height()));

    picLogo_->setObjectName(QStringLiteral("picLogo"));
    picLogo_->setGeometry(inPixels(scale, kLogo));
    Picture1_->setGeometry(inPixels(scale, kStrip));
    auto* edge = new Separator(this);
    edge->setGeometry(inPixels(scale, kStripEdge));
    frm_->setObjectName(QStringLiteral("frm"));
    frm_->setGeometry(inPixels(scale, kFrame));
    pnl_->setObjectName(QStringLiteral("pnl"));
    pnl_->setAutoFillBackground(true); // hides the frame's tint behind the flat controls
    pnl_->setGeometry(inPixels(scale, kPages));

    buildTitleStrip(autostart, settings, executablePath);
    buildPageMenu();
    buildPages();

    choosePage(SetupPage::Log);
    tariffsPage_->reloadTariffs();
    const QDate today = QDate::currentDate();
    logPage_->showPeriod(today.year(), today.month());
    tariffsPage_->vatEditor().load();

    setUpLogo();
}

void frmSetup::buildTitleStrip(Autostart& autostart, Settings& settings, const QString& executablePath)
{
    const PixelScale scale = PixelScale::ofScreen();
    dpOpzioni_->setObjectName(QStringLiteral("dpOpzioni"));
    dpOpzioni_->setGeometry(inPixels(scale, kDropDown));
    chkAvvio_->setObjectName(QStringLiteral("chkAvvio"));
    chkAvvio_->setToolTip(QStringLiteral("Consente l'avvio automatico di ZR Tellix 99 all'avvio di Windows"));
    chkAvvio_->setGeometry(inPixels(scale, kAutostartBox));
    autostartSwitch_ = new AutostartSwitch(*chkAvvio_, autostart, settings, executablePath, messages_);

    fltbutton* fltbutton2 = stripButton(*Picture1_, "fltbutton2", "_", "Riduci ad icona Setup", 3);
    fltbutton* fltbutton10 = stripButton(*Picture1_, "fltbutton10", "?", "Info ZR Tellix 99", 2);
    fltbutton* fltbutton1 = stripButton(*Picture1_, "fltbutton1", "x", "Chiudi Setup", 1);
    connect(fltbutton2, &fltbutton::Click, this, [this] {
        setWindowTitle(kMinimisedTitle);
        showMinimized();
    });
    connect(fltbutton10, &fltbutton::Click, this, [this] { choosePage(SetupPage(kSetupPageCount - 1)); });
    connect(fltbutton1, &fltbutton::Click, this, &QWidget::hide);
    connect(dpOpzioni_, &dropdown::DropDownOpen, this, &frmSetup::openMenu);
    connect(dpOpzioni_, &dropdown::DropDownClose, Scelta_, &QMenu::hide);
}

void frmSetup::setUpLogo()
{
    picLogo_->setFont(QFont(QStringLiteral("Arial"), kLogoPointSize, QFont::Bold));
    QPalette palette = picLogo_->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    picLogo_->setPalette(palette);
    logo_->setDrawingObject(picLogo_);
    logo_->setCaption(kProgramTitle);
    logo_->setStartColor(kLogoStart);
    logo_->setEndColor(kLogoEnd);
}

void frmSetup::buildPageMenu()
{
    Scelta_->setObjectName(QStringLiteral("Scelta"));
    for (int index = 0; index < kSetupPageCount; ++index) {
        const auto page = SetupPage(index);
        QAction* mnu = Scelta_->addAction(pageCaption(page));
        mnu->setObjectName(QStringLiteral("mnu%1").arg(index));
        connect(mnu, &QAction::triggered, this, [this, page] { choosePage(page); });
    }
    // Leaving the menu without a choice puts the drop-down up again too.
    connect(Scelta_, &QMenu::aboutToHide, dpOpzioni_, &dropdown::CloseDropDown);
}

void frmSetup::buildPages()
{
    logPage_ = new LogPage(databasePath_, messages_, pnl_);
    associationsPage_ = new AssociationsPage(databasePath_, messages_, pnl_);
    tariffsPage_ = new TariffsPage(databasePath_, messages_, pnl_);
    for (QWidget* page : std::initializer_list<QWidget*>{logPage_, associationsPage_, tariffsPage_,
                                                          new StatisticsPage(pnl_), new InfoPage(pnl_)})
        pnl_->addWidget(page);
    for (int index = 0; index < kSetupPageCount; ++index)
        pnl_->widget(index)->setObjectName(QStringLiteral("pnl%1").arg(index));
    connect(tariffsPage_, &TariffsPage::addTariffRequested, this, &frmSetup::openTariffEditor);
    connect(&tariffsPage_->vatEditor(), &VatEditor::vatChanged, this, &frmSetup::vatChanged);
}

void frmSetup::buildAssociationList(const QStringList& entries)
{
    associationsPage_->build(entries);
}

void frmSetup::reloadLog()
{
    logPage_->reload();
}

void frmSetup::showFromMainWindow()
{
    autostartSwitch_->syncFromSettings();
    showNormal();
    raise();
    activateWindow();
}

void frmSetup::choosePage(SetupPage page)
{
    const QString caption = pageCaption(page);
    dpOpzioni_->setCaption(caption);
    frm_->setTitle(caption);
    dpOpzioni_->CloseDropDown();
    pnl_->setCurrentIndex(int(page));
    const QPixmap icon = pageIcon(page);
    if (!icon.isNull())
        dpOpzioni_->setPicture(icon);
}

SetupPage frmSetup::currentPage() const
{
    return SetupPage(pnl_->currentIndex());
}

void frmSetup::openMenu()
{
    Scelta_->popup(dpOpzioni_->mapToGlobal(QPoint(0, dpOpzioni_->height())));
}

bool frmSetup::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        activated();
    return QWidget::event(event);
}

void frmSetup::activated()
{
    tariffsPage_->vatEditor().showRate();
    tariffsPage_->refreshBands();
    autostartSwitch_->syncFromSettings();
}

// The title shows in the task bar only while the window is minimised.
void frmSetup::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        setWindowTitle(QString());
    QWidget::changeEvent(event);
}

void frmSetup::closeEvent(QCloseEvent* event)
{
    hide();
    event->ignore();
}

void frmSetup::openTariffEditor()
{
    if (tariffEditor_) {
        tariffEditor_->raise();
        tariffEditor_->activateWindow();
        return;
    }
    tariffEditor_ = new frmCambiaTariffa(databasePath_, this);
    tariffEditor_->setAttribute(Qt::WA_DeleteOnClose);
    tariffEditor_->selectCompany(associationsPage_->selectedCompany());
    connect(tariffEditor_, &frmCambiaTariffa::tariffsChanged, tariffsPage_, &TariffsPage::reloadTariffs);
    connect(tariffEditor_, &frmCambiaTariffa::tariffConfirmed, tariffsPage_, &TariffsPage::selectTariff);
    tariffEditor_->show();
}

} // namespace zrt
