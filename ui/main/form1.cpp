#include "form1.h"

#include "currency_marks.h"
#include "main_menu.h"
#include "news_address.h"
#include "news_panel.h"
#include "program_icon.h"
#include "settings.h"
#include "twips_geometry.h"
#include "user_dialogs.h"
#include "window_drag.h"
#include "window_placement.h"
#include "windows_log.h"

#include "controls/classicpalette.h"
#include "controls/digital.h"
#include "controls/dropdown.h"
#include "controls/fltbutton.h"
#include "controls/separator.h"
#include "database/data_folder.h"
#include "engine/elapsed_time.h"
#include "engine/italian_number.h"
#include "monitor/connection_monitor.h"
#include "monitor/monitor_timer.h"
#include "ui/setup/autostart.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace zrt {

namespace {

// The layout of the strip, in twips.
constexpr int kWidthTwips = 6750;
constexpr QRect kPicture1{105, 105, 480, 480};
constexpr QRect kDgt{675, 45, 1905, 600};
constexpr QRect kCurrencyMark{2640, 60, 330, 330};
constexpr QRect kLabel2{2580, 405, 450, 225};
constexpr QRect kLeftSeparator{3060, 60, 60, 570};
constexpr QRect kLblConnessione{3165, 75, 2430, 240};
constexpr QRect kDgttempo{3165, 375, 1500, 240};
constexpr QRect kPicture2{4695, 345, 885, 285};
constexpr QRect kRightSeparator{5625, 60, 60, 570};
constexpr QRect kDropdown1{5730, 45, 960, 300};
constexpr QRect kFltbutton1{5730, 360, 960, 285};
constexpr int kDgtAltezza = 150;
constexpr int kMenuOverlapPixels = 15;

const QString kNewsFileName = QStringLiteral("news.htm");
const QString kLire = QStringLiteral("Lire");
const QString kEuri = QStringLiteral("Euri");

QFont arial(int pointSize, bool bold = false)
{
    QFont font(QStringLiteral("Arial"), pointSize);
    font.setBold(bold);
    return font;
}

// The sunken line between the strip's groups.
void addSeparator(QWidget* window, const QRect& twips, const PixelScale& scale)
{
    auto* separator = new Separator(window);
    separator->setStyle(1);
    separator->setGeometry(pixelRect(twips, scale));
}

QString qtText(const std::string& text)
{
    return QString::fromStdString(text);
}

// The cost as the display draws it: the number without thousands grouping
// ("1.234" -> "1234", ",079" -> "0,079").
QString displayedNumber(const QString& costText)
{
    const std::optional<double> value = parseItalianNumber(costText.toStdString());
    if (!value)
        return costText;
    std::string text = formatItalian(*value, "0.##########");
    if (text.ends_with(','))
        text.pop_back();
    return qtText(text);
}

void drawEdge(QPainter& painter, const QRect& area, const QColor& topLeft, const QColor& bottomRight)
{
    painter.setPen(topLeft);
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());
}

} // namespace

Form1::Form1(MainWindowServices services, QString dataFolder, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      services_(services),
      dataFolder_(std::move(dataFolder)),
      monitor_(std::make_unique<ConnectionMonitor>(
          MonitorServices{services.dialUp, services.clock, services.log, services.tariffs, *this})),
      Timer2_(std::make_unique<MonitorTimer>(*monitor_))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kProgramTitle);
    setWindowIcon(programIcon());
    setPalette(classicPalette());
    setAutoFillBackground(true);
    setFont(arial(8));
    aa_ = new MainMenu(this);
    aa_->setFont(arial(9));
    createDisplay();
    createLineLabels();
    createCommands();
    createNews();
    connectCommands();

    const PixelScale scale = PixelScale::ofScreen();
    setFixedWidth(scale.toPixelsX(kWidthTwips));
    setHeightTwips(kStripHeightTwips + kNewsHeightTwips);
}

Form1::~Form1() = default;

void Form1::createDisplay()
{
    const PixelScale scale = PixelScale::ofScreen();
    Picture1_ = new QLabel(this);
    Picture1_->setObjectName(QStringLiteral("Picture1"));
    Picture1_->setGeometry(pixelRect(kPicture1, scale));
    Picture1_->setPixmap(programIconPixmap(Picture1_->width()));

    dgt_ = new Digital(this);
    dgt_->setObjectName(QStringLiteral("dgt"));
    dgt_->setGeometry(pixelRect(kDgt, scale));
    dgt_->setAltezza(kDgtAltezza);
    showCost(costText_);

    pctLira_ = new QLabel(this);
    pctLira_->setObjectName(QStringLiteral("pctLira"));
    pctEuro_ = new QLabel(this);
    pctEuro_->setObjectName(QStringLiteral("pctEuro"));
    for (QLabel* mark : {pctLira_, pctEuro_})
        mark->setGeometry(pixelRect(kCurrencyMark, scale));
    pctLira_->setPixmap(liraMark(pctLira_->width()));
    pctEuro_->setPixmap(euroMark(pctEuro_->width()));

    Label2_ = new QLabel(kLire, this);
    Label2_->setObjectName(QStringLiteral("Label2"));
    Label2_->setGeometry(pixelRect(kLabel2, scale));
    Label2_->setFont(arial(7, true));
    Label2_->setAlignment(Qt::AlignCenter);
    showCurrency(Currency::Lire);
}

void Form1::createLineLabels()
{
    const PixelScale scale = PixelScale::ofScreen();
    addSeparator(this, kLeftSeparator, scale);

    lblConnessione_ = new QLabel(this);
    lblConnessione_->setObjectName(QStringLiteral("lblConnessione"));
    lblConnessione_->setGeometry(pixelRect(kLblConnessione, scale));
    lblConnessione_->setFont(arial(8, true));
    showConnection(kNonConnesso);

    dgttempo_ = new QLabel(this);
    dgttempo_->setObjectName(QStringLiteral("dgttempo"));
    dgttempo_->setGeometry(pixelRect(kDgttempo, scale));
    showElapsed(qtText(elapsedTimeText(0)));
}

void Form1::createCommands()
{
    const PixelScale scale = PixelScale::ofScreen();
    addSeparator(this, kRightSeparator, scale);

    dropdown1_ = new dropdown(this);
    dropdown1_->setObjectName(QStringLiteral("dropdown1"));
    dropdown1_->setGeometry(pixelRect(kDropdown1, scale));
    dropdown1_->setCaption(QStringLiteral("Menu"));
    dropdown1_->flt().setFont(arial(8));

    fltbutton1_ = namedFltbutton(QStringLiteral("fltbutton1"), QStringLiteral("Chiudi"), this);
    fltbutton1_->setGeometry(pixelRect(kFltbutton1, scale));
    fltbutton1_->setFont(arial(8));
}

void Form1::createNews()
{
    const PixelScale scale = PixelScale::ofScreen();
    Picture2_ = new QWidget(this);
    Picture2_->setObjectName(QStringLiteral("Picture2"));
    Picture2_->setGeometry(pixelRect(kPicture2, scale));
    chk_ = new QCheckBox(QStringLiteral("News"), Picture2_);
    chk_->setObjectName(QStringLiteral("chk"));
    chk_->setToolTip(QStringLiteral("Abilita/disabilita news Nevaro"));
    chk_->setChecked(true);
    chk_->move(scale.toPixelsX(30), 0);
    chk_->resize(Picture2_->width() - chk_->x(), Picture2_->height());

    WebBrowser1_ = new NewsPanel(services_.news, services_.links, this);
    WebBrowser1_->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1_->setGeometry(pixelRect({0, kStripHeightTwips, kWidthTwips, kNewsHeightTwips}, scale));
    WebBrowser1_->setFont(arial(8));
    WebBrowser1_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    WebBrowser1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void Form1::connectCommands()
{
    connect(dropdown1_, &dropdown::DropDownOpen, this, [this] {
        const QRect button = dropdown1_->geometry();
        popUpMenu(mapToGlobal(QPoint(button.right() + 1 - kMenuOverlapPixels, button.bottom() + 1)));
    });
    connect(dropdown1_, &dropdown::DropDownClose, aa_, &QMenu::hide);
    connect(aa_, &QMenu::aboutToHide, dropdown1_, &dropdown::CloseDropDown);
    connect(&aa_->valuta(), &QAction::triggered, this, &Form1::switchToEuro);
    connect(&aa_->Lira(), &QAction::triggered, this, &Form1::switchToLire);
    connect(&aa_->setup(), &QAction::triggered, this, &Form1::openSetup);
    connect(&aa_->mnuNews(), &QAction::triggered, chk_, [this] { chk_->setChecked(true); });
    connect(&aa_->chiudiconnessione(), &QAction::triggered, this, &Form1::hangUp);
    connect(&aa_->chiudi(), &QAction::triggered, this, &Form1::endProgram);
    connect(fltbutton1_, &fltbutton::Click, this, &Form1::hideToTray);
    connect(chk_, &QCheckBox::toggled, this, &Form1::newsBoxClicked);

    auto* drag = new WindowDrag(*this);
    drag->watch(*this, WindowDrag::Top::BelowTheEdge);
    drag->watch(*dgt_);
    drag->watch(*lblConnessione_);
    drag->watch(*Picture2_);
}

void Form1::load(Placement placement)
{
    placement_ = placement;
    WebBrowser1_->showLocalPage(joinPath(dataFolder_, kNewsFileName));
    services_.settings.setProgramFolder(QCoreApplication::applicationDirPath());
    fillDialUpEntries();
    monitor_->start();
    if (placement == Placement::OffScreen) {
        move(x(), PixelScale::of(*this).toPixelsY(kOffScreenTopTwips));
        show();
    } else {
        // Without a tray icon the task bar is the way back to a hidden window.
        setWindowFlag(Qt::Tool, false);
        showAtSavedPosition();
    }
    Timer2_->start();
    becomeActive();
}

void Form1::fillDialUpEntries()
{
    List1_.clear();
    for (const std::string& entry : services_.dialUp.entries())
        List1_.append(qtText(entry));
    if (List1_.isEmpty())
        services_.dialogs.tell(QString::fromUtf8(kNoDialUpEntriesMessage.data(), kNoDialUpEntriesMessage.size()));
}

void Form1::showAtSavedPosition()
{
    const PixelScale scale = PixelScale::of(*this);
    const Settings& settings = services_.settings;
    const QPoint twips = savedWindowPosition(settings.savedLeft(), settings.savedTop(), twipsSize(size(), scale),
                                             twipsSize(screen()->geometry().size(), scale));
    move(scale.toPixelsX(twips.x()), scale.toPixelsY(twips.y()));
    showNormal();
    raise();
    activateWindow();
}

void Form1::popUpMenu(const QPoint& globalPosition)
{
    aa_->popup(globalPosition);
}

void Form1::unload()
{
    savePosition();
    Timer2_->stop();
    monitor_->shutDown();
}

void Form1::showConnection(const QString& caption)
{
    lblConnessione_->setToolTip(caption);
    lblConnessione_->setText(
        lblConnessione_->fontMetrics().elidedText(caption, Qt::ElideRight, lblConnessione_->width()));
}

void Form1::setHangUpEnabled(bool enabled)
{
    aa_->chiudiconnessione().setEnabled(enabled);
}

void Form1::showCost(const QString& text)
{
    costText_ = text;
    dgt_->SetValue(displayedNumber(text));
    dgt_->setToolTip(text);
}

void Form1::showElapsed(const QString& text)
{
    dgttempo_->setText(text);
}

Currency Form1::currency() const
{
    return Label2_->text() == kLire ? Currency::Lire : Currency::Euro;
}

bool Form1::newsEnabled() const
{
    return chk_->isChecked();
}

void Form1::openNewsPage()
{
    const QUrl address = newsPageUrl(services_.settings.newsUrl());
    if (address.isValid())
        WebBrowser1_->fetchPage(address);
}

bool Form1::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        becomeActive();
    return QWidget::event(event);
}

void Form1::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    const int stripHeight = PixelScale::of(*this).toPixelsY(kStripHeightTwips);
    drawEdge(painter, QRect(0, 0, width() - 1, stripHeight - 1), light, dark);
    drawEdge(painter, dgt_->geometry().adjusted(-1, -1, 0, 0), dark, light);
}

void Form1::becomeActive()
{
    emit activated();
    chk_->setChecked(services_.settings.newsOn());
    registerAutostartOnFirstRun();
}

void Form1::registerAutostartOnFirstRun()
{
    Settings& settings = services_.settings;
    if (settings.hasRunBefore())
        return;
    const AutostartOutcome outcome =
        services_.autostart.switchOn(kAutostartName, QCoreApplication::applicationFilePath());
    if (outcome == AutostartOutcome::Failed)
        qCWarning(windowsLog) << "the program could not be set to start with the desktop session";
    settings.markRunBefore();
    settings.setAutostartOn(outcome != AutostartOutcome::Failed);
}

void Form1::switchToEuro()
{
    showCurrency(Currency::Euro);
    showCost(qtText(costTextSwitchedToEuro(costText_.toStdString())));
    dropdown1_->CloseDropDown();
}

void Form1::switchToLire()
{
    showCurrency(Currency::Lire);
    showCost(qtText(costTextSwitchedToLire(costText_.toStdString())));
    dropdown1_->CloseDropDown();
}

void Form1::showCurrency(Currency shown)
{
    const bool lire = shown == Currency::Lire;
    pctLira_->setVisible(lire);
    pctEuro_->setVisible(!lire);
    aa_->valuta().setVisible(lire);
    aa_->Lira().setVisible(!lire);
    Label2_->setText(lire ? kLire : kEuri);
}

void Form1::newsBoxClicked(bool ticked)
{
    setHeightTwips(ticked ? kStripHeightTwips + kNewsHeightTwips : kStripHeightTwips);
    aa_->mnuNews().setVisible(!ticked);
    services_.settings.setNewsOn(ticked);
    if (ticked && services_.dialUp.isDialUpActive())
        openNewsPage();
}

void Form1::openSetup()
{
    dropdown1_->CloseDropDown();
    emit setupRequested(services_.settings.autostartOn());
}

void Form1::hangUp()
{
    monitor_->hangUp();
    dropdown1_->CloseDropDown();
}

// Ending the program while a connection is metered would leave its cost
// unknown, so the command waits until the line is down.
void Form1::endProgram()
{
    if (!monitor_->meterRunning()) {
        emit closeSetupRequested();
        emit programEndRequested();
    }
    dropdown1_->CloseDropDown();
}

void Form1::hideToTray()
{
    savePosition();
    emit closeSetupRequested();
    if (placement_ == Placement::OffScreen)
        hide();
    else
        showMinimized();
}

// Only a place the user could see is worth coming back to: not the one
// off screen where the window waits for the tray icon.
void Form1::savePosition()
{
    if (!isVisible() || !screen()->geometry().intersects(frameGeometry()))
        return;
    const PixelScale scale = PixelScale::of(*this);
    services_.settings.savePosition(x() * scale.px, y() * scale.py);
}

void Form1::setHeightTwips(int twips)
{
    setFixedHeight(PixelScale::ofScreen().toPixelsY(twips));
}

} // namespace zrt
