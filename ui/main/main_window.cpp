#include "main_window.h"

#include "ui/common/arial_font.h"
#include "currency_marks.h"
#include "main_menu.h"
#include "local_news.h"
#include "ui/common/news_address.h"
#include "news_panel.h"
#include "ui/common/program_icon.h"
#include "ui/common/settings.h"
#include "controls/twips.h"
#include "ui/common/user_messages.h"
#include "window_drag.h"
#include "window_placement.h"
#include "ui/common/window_log.h"

#include "controls/classic_palette.h"
#include "controls/segment_display.h"
#include "controls/drop_down_button.h"
#include "controls/flat_button.h"
#include "controls/separator.h"
#include "database/data_folder.h"
#include "engine/program_name.h"
#include "engine/italian_number.h"
#include "monitor/monitor_session.h"
#include "ui/common/autostart.h"
#include "ui/common/guide.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QShortcut>

namespace zrt {

namespace {

// The layout of the strip, in twips.
constexpr int kWidthTwips = 6750;
constexpr QRect kIconRect{105, 105, 480, 480};
constexpr QRect kCostDisplayRect{675, 45, 1905, 600};
constexpr QRect kCurrencyMarkRect{2640, 60, 330, 330};
constexpr QRect kCurrencyLabelRect{2580, 405, 450, 225};
constexpr QRect kLeftSeparator{3060, 60, 60, 570};
constexpr QRect kLineLabelRect{3165, 75, 2430, 240};
constexpr QRect kElapsedLabelRect{3165, 375, 1500, 240};
constexpr QRect kNewsBoxRect{4695, 345, 885, 285};
constexpr QRect kRightSeparator{5625, 60, 60, 570};
constexpr QRect kMenuButtonRect{5730, 45, 960, 300};
constexpr QRect kCloseButtonRect{5730, 360, 960, 285};
constexpr int kCostDisplayHeight = 150;
constexpr int kMenuOverlapPixels = 15;

const QString kNewsFileName = QStringLiteral("news.htm");
// What the cost display shows for a cost nobody knows.
const QString kUnknownCost = QStringLiteral("---");

// The sunken line between the strip's groups.
void addSeparator(QWidget* window, const QRect& twips, const PixelScale& scale)
{
    auto* separator = new Separator(window);
    separator->setOrientation(Separator::Orientation::Vertical);
    separator->setGeometry(scale.toPixels(twips));
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

MainWindow::MainWindow(MainWindowServices services, QString dataFolder, const QString& databasePath,
                       QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      services_(services),
      dataFolder_(std::move(dataFolder)),
      session_(std::make_unique<MonitorSession>(databasePath, services.dialUp, services.clock, *this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kProgramName));
    setWindowIcon(programIcon());
    setPalette(classicPalette());
    setAutoFillBackground(true);
    setFont(arialFont(8));
    menu_ = new MainMenu(this);
    menu_->setFont(arialFont(9));
    createDisplay();
    createLineLabels();
    createCommands();
    createNews();
    connectCommands();

    const PixelScale scale = PixelScale::ofScreen();
    setFixedWidth(scale.toPixelsX(kWidthTwips));
    setHeightTwips(kStripHeightTwips + kNewsHeightTwips);
}

MainWindow::~MainWindow() = default;

ConnectionMonitor& MainWindow::monitor()
{
    return session_->monitor();
}

void MainWindow::createDisplay()
{
    const PixelScale scale = PixelScale::ofScreen();
    iconLabel_ = new QLabel(this);
    iconLabel_->setObjectName(QStringLiteral("Picture1"));
    iconLabel_->setGeometry(scale.toPixels(kIconRect));
    iconLabel_->setPixmap(programIconPixmap(iconLabel_->width()));

    costDisplay_ = new SegmentDisplay(this);
    costDisplay_->setObjectName(QStringLiteral("dgt"));
    costDisplay_->setGeometry(scale.toPixels(kCostDisplayRect));
    costDisplay_->setAltezza(kCostDisplayHeight);
    showCost(costText_);

    liraMark_ = new QLabel(this);
    liraMark_->setObjectName(QStringLiteral("pctLira"));
    euroMark_ = new QLabel(this);
    euroMark_->setObjectName(QStringLiteral("pctEuro"));
    for (QLabel* mark : {liraMark_, euroMark_})
        mark->setGeometry(scale.toPixels(kCurrencyMarkRect));
    liraMark_->setPixmap(liraMark(liraMark_->width()));
    euroMark_->setPixmap(euroMark(euroMark_->width()));

    currencyLabel_ = new QLabel(tr("Lire"), this);
    currencyLabel_->setObjectName(QStringLiteral("Label2"));
    currencyLabel_->setGeometry(scale.toPixels(kCurrencyLabelRect));
    currencyLabel_->setFont(arialFont(7, true));
    currencyLabel_->setAlignment(Qt::AlignCenter);
    showCurrency(Currency::Lire);
}

void MainWindow::createLineLabels()
{
    const PixelScale scale = PixelScale::ofScreen();
    addSeparator(this, kLeftSeparator, scale);

    lineLabel_ = new QLabel(this);
    lineLabel_->setObjectName(QStringLiteral("lblConnessione"));
    lineLabel_->setGeometry(scale.toPixels(kLineLabelRect));
    lineLabel_->setFont(arialFont(8, true));
    showConnection(notConnectedCaption());

    elapsedLabel_ = new QLabel(this);
    elapsedLabel_->setObjectName(QStringLiteral("dgttempo"));
    elapsedLabel_->setGeometry(scale.toPixels(kElapsedLabelRect));
    showElapsed(elapsedCaption(0));
}

void MainWindow::createCommands()
{
    const PixelScale scale = PixelScale::ofScreen();
    addSeparator(this, kRightSeparator, scale);

    menuButton_ = new DropDownButton(this);
    menuButton_->setObjectName(QStringLiteral("dropdown1"));
    menuButton_->setGeometry(scale.toPixels(kMenuButtonRect));
    menuButton_->setCaption(tr("Menu"));
    menuButton_->innerButton().setFont(arialFont(8));

    closeButton_ = makeFlatButton(QStringLiteral("fltbutton1"), tr("Chiudi"), this);
    closeButton_->setGeometry(scale.toPixels(kCloseButtonRect));
    closeButton_->setFont(arialFont(8));
}

void MainWindow::createNews()
{
    const PixelScale scale = PixelScale::ofScreen();
    newsBoxArea_ = new QWidget(this);
    newsBoxArea_->setObjectName(QStringLiteral("Picture2"));
    newsBoxArea_->setGeometry(scale.toPixels(kNewsBoxRect));
    newsBox_ = new QCheckBox(tr("News"), newsBoxArea_);
    newsBox_->setObjectName(QStringLiteral("chk"));
    newsBox_->setToolTip(tr("Abilita/disabilita news Nevaro"));
    newsBox_->setChecked(true);
    newsBox_->move(scale.toPixelsX(30), 0);
    newsBox_->resize(newsBoxArea_->width() - newsBox_->x(), newsBoxArea_->height());

    newsPanel_ = new NewsPanel(services_.news, services_.links, this);
    connect(newsPanel_, &NewsPanel::guideRequested, this, [this] { emit guideRequested(kGuideFirstPage); });
    newsPanel_->setObjectName(QStringLiteral("WebBrowser1"));
    newsPanel_->setGeometry(scale.toPixels({0, kStripHeightTwips, kWidthTwips, kNewsHeightTwips}));
    newsPanel_->setFont(arialFont(8));
    newsPanel_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    newsPanel_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void MainWindow::connectCommands()
{
    connect(menuButton_, &DropDownButton::dropDownOpened, this, &MainWindow::popUpMenuBelowButton);
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, &MainWindow::popUpMenuBelowButton);
    }
    connect(menuButton_, &DropDownButton::dropDownClosed, menu_, &QMenu::hide);
    connect(menu_, &QMenu::aboutToHide, menuButton_, &DropDownButton::closeDropDown);
    connect(&menu_->euroItem(), &QAction::triggered, this, &MainWindow::switchToEuro);
    connect(&menu_->lireItem(), &QAction::triggered, this, &MainWindow::switchToLire);
    connect(&menu_->setupItem(), &QAction::triggered, this, &MainWindow::openSetup);
    connect(&menu_->guideItem(), &QAction::triggered, this, [this] { emit guideRequested(kGuideFirstPage); });
    connect(&menu_->newsItem(), &QAction::triggered, newsBox_, [this] { newsBox_->setChecked(true); });
    connect(&menu_->hangUpItem(), &QAction::triggered, this, &MainWindow::hangUp);
    connect(&menu_->quitItem(), &QAction::triggered, this, &MainWindow::endProgram);
    connect(closeButton_, &FlatButton::clicked, this, &MainWindow::hideToTray);
    connect(newsBox_, &QCheckBox::toggled, this, &MainWindow::newsBoxClicked);

    auto* drag = new WindowDrag(*this);
    drag->watch(*this, WindowDrag::Top::BelowTheEdge);
    drag->watch(*costDisplay_);
    drag->watch(*lineLabel_);
    drag->watch(*newsBoxArea_);
}

void MainWindow::load(Placement placement)
{
    placement_ = placement;
    newsPanel_->showLocalPage(localNewsPage(dataFolder_, shippedFilePath(kNewsFileName)));
    services_.settings.setProgramFolder(QCoreApplication::applicationDirPath());
    tellIfPhonebookEmpty();
    if (placement == Placement::SavedPosition) {
        // Without a tray icon the task bar is the way back to a hidden window.
        setWindowFlag(Qt::Tool, false);
        showAtSavedPosition();
    }
    finishStartUp(); // the news box is set before the first tick may open the news
    session_->start();
}

// The user is told once, at load, when there is nothing to meter.
void MainWindow::tellIfPhonebookEmpty()
{
    if (services_.dialUp.entries().empty())
        services_.messages.inform(this, tr("Non sono presenti connessioni di Accesso Remoto."));
}

void MainWindow::showAtSavedPosition()
{
    const PixelScale scale = PixelScale::of(*this);
    const Settings& settings = services_.settings;
    const QPoint twips = savedWindowPosition(settings.savedLeft(), settings.savedTop(), scale.toTwips(size()),
                                             scale.toTwips(screen()->geometry().size()));
    move(scale.toPixelsX(twips.x()), scale.toPixelsY(twips.y()));
    showNormal();
    raise();
    activateWindow();
}

void MainWindow::popUpMenuBelowButton()
{
    const QRect button = menuButton_->geometry();
    popUpMenu(mapToGlobal(QPoint(button.right() + 1 - kMenuOverlapPixels, button.bottom() + 1)));
}

void MainWindow::popUpMenu(const QPoint& globalPosition)
{
    menu_->popup(globalPosition);
}

void MainWindow::unload()
{
    savePosition();
    session_->stop();
}

void MainWindow::showConnection(const QString& caption)
{
    lineLabel_->setToolTip(caption);
    lineLabel_->setText(
        lineLabel_->fontMetrics().elidedText(caption, Qt::ElideRight, lineLabel_->width()));
}

void MainWindow::setHangUpEnabled(bool enabled)
{
    menu_->hangUpItem().setEnabled(enabled);
}

void MainWindow::showCost(const QString& text)
{
    if (costText_.isEmpty())
        emit toolTipChanged(QString::fromUtf8(kProgramName));
    costText_ = text;
    costDisplay_->setValue(displayedNumber(text));
    costDisplay_->setToolTip(text);
}

void MainWindow::showMissingTariff(const QString& entry)
{
    const QString missing = missingTariffCaption(entry);
    costText_.clear();
    costDisplay_->setValue(kUnknownCost);
    costDisplay_->setToolTip(missing);
    emit toolTipChanged(QStringLiteral("%1 – %2").arg(QString::fromUtf8(kProgramName), missing));
}

void MainWindow::showElapsed(const QString& text)
{
    elapsedLabel_->setText(text);
}

// The message box waits for the user in an event loop of its own: it is
// opened once the monitor's tick is over, so no tick runs inside another.
void MainWindow::showHangUpRefusal(const QString& text)
{
    QMetaObject::invokeMethod(this, [this, text] { services_.messages.warn(this, text); }, Qt::QueuedConnection);
}

void MainWindow::showSpendingLevel(LimitLevel level)
{
    switch (level) {
    case LimitLevel::Within: costDisplay_->setForeColor(rgbValue(0, 0, 0)); break;
    case LimitLevel::Near: costDisplay_->setForeColor(rgbValue(224, 144, 0)); break;
    case LimitLevel::Reached: costDisplay_->setForeColor(rgbValue(208, 0, 0)); break;
    }
}

// With a tray the icon says it; without one, a message that does not stop
// the meter waiting for an answer.
void MainWindow::warnSpendingLimit(const QString& text)
{
    if (placement_ == Placement::InTray) {
        emit trayMessageRequested(text);
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Warning, QString::fromUtf8(kProgramName), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

Currency MainWindow::currency() const
{
    return currency_;
}

bool MainWindow::newsEnabled() const
{
    return newsBox_->isChecked();
}

void MainWindow::openNewsPage()
{
    const QUrl address = newsPageUrl(services_.settings.newsUrl());
    if (address.isValid())
        newsPanel_->fetchPage(address);
}

// A modal dialog of the program must not hide behind the strip, whatever
// the window manager does with windows that stay on top: the strip gives
// up its place above the others while one is open.
bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowBlocked)
        keepAbove(false);
    else if (event->type() == QEvent::WindowUnblocked)
        keepAbove(true);
    return QWidget::event(event);
}

void MainWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    const int stripHeight = PixelScale::of(*this).toPixelsY(kStripHeightTwips);
    drawEdge(painter, QRect(0, 0, width() - 1, stripHeight - 1), light, dark);
    drawEdge(painter, costDisplay_->geometry().adjusted(-1, -1, 0, 0), dark, light);
}

void MainWindow::finishStartUp()
{
    emit loaded();
    newsBox_->setChecked(services_.settings.newsOn());
    registerAutostartOnFirstRun();
}

void MainWindow::registerAutostartOnFirstRun()
{
    Settings& settings = services_.settings;
    if (settings.hasRunBefore())
        return;
    const bool registered = services_.autostart.switchOn(kAutostartName, QCoreApplication::applicationFilePath());
    if (!registered)
        qCWarning(uiLog) << "the program could not be set to start with the desktop session";
    settings.markRunBefore();
    settings.setAutostartOn(registered);
}

void MainWindow::switchToEuro()
{
    showCurrency(Currency::Euro);
    if (!costText_.isEmpty())
        showCost(qtText(costTextSwitchedToEuro(costText_.toStdString())));
    menuButton_->closeDropDown();
}

void MainWindow::switchToLire()
{
    showCurrency(Currency::Lire);
    if (!costText_.isEmpty())
        showCost(qtText(costTextSwitchedToLire(costText_.toStdString())));
    menuButton_->closeDropDown();
}

void MainWindow::showCurrency(Currency shown)
{
    currency_ = shown;
    const bool lire = shown == Currency::Lire;
    liraMark_->setVisible(lire);
    euroMark_->setVisible(!lire);
    menu_->euroItem().setVisible(lire);
    menu_->lireItem().setVisible(!lire);
    currencyLabel_->setText(lire ? tr("Lire") : tr("Euri"));
    emit currencyChanged(shown);
}

void MainWindow::newsBoxClicked(bool ticked)
{
    setHeightTwips(ticked ? kStripHeightTwips + kNewsHeightTwips : kStripHeightTwips);
    menu_->newsItem().setVisible(!ticked);
    services_.settings.setNewsOn(ticked);
    if (ticked && services_.dialUp.isDialUpActive())
        openNewsPage();
}

void MainWindow::openSetup()
{
    menuButton_->closeDropDown();
    emit setupRequested(services_.settings.autostartOn());
}

void MainWindow::hangUp()
{
    session_->monitor().hangUp();
    menuButton_->closeDropDown();
}

// Ending the program while a connection is metered would leave its cost
// unknown, so the command waits until the line is down.
void MainWindow::endProgram()
{
    if (!session_->monitor().meterRunning()) {
        emit closeSetupRequested();
        emit programEndRequested();
    }
    menuButton_->closeDropDown();
}

void MainWindow::hideToTray()
{
    savePosition();
    emit closeSetupRequested();
    if (placement_ == Placement::InTray)
        hide();
    else
        showMinimized();
}

// Only a place the user could see is worth coming back to: not the one
// of a window that waits in the tray, never shown.
void MainWindow::savePosition()
{
    if (!isVisible() || !screen()->geometry().intersects(frameGeometry()))
        return;
    const PixelScale scale = PixelScale::of(*this);
    services_.settings.savePosition(x() * scale.px, y() * scale.py);
}

// Changing a window's flags hides it; a strip that was shown comes back
// where it was.
void MainWindow::keepAbove(bool above)
{
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == above)
        return;
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, above);
    if (shown)
        show();
}

void MainWindow::setHeightTwips(int twips)
{
    setFixedHeight(PixelScale::ofScreen().toPixelsY(twips));
}

} // namespace zrt
