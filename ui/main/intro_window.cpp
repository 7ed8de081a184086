#include "intro_window.h"

#include "ui/common/arial_font.h"
#include "ui/common/program_icon.h"
#include "controls/twips.h"

#include "controls/classic_palette.h"
#include "controls/link_label.h"
#include "ui/common/program_identity.h"

#include "engine/program_name.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace zrt {

namespace {

constexpr QSize kWindowTwips{5400, 2850};
constexpr int kBannerHeightTwips = 2100;
constexpr QRect kLabel1Twips{3600, 2430, 1620, 270};
constexpr QRect kLinkLabel1Twips{180, 2190, 3000, 270};
constexpr QRect kLinkLabel2Twips{180, 2460, 3000, 270};

void paintBanner(QPainter& painter, const QRect& banner)
{
    QLinearGradient navy(banner.topLeft(), banner.topRight());
    navy.setColorAt(0, QColor(0x00, 0x00, 0x80));
    navy.setColorAt(1, QColor(0x40, 0x70, 0xD0));
    painter.fillRect(banner, navy);

    const int iconSize = banner.height() * 5 / 10;
    const QRect icon(banner.right() - iconSize - banner.height() / 5, banner.top() + banner.height() / 5, iconSize,
                     iconSize);
    painter.drawPixmap(icon, programIconPixmap(iconSize));

    const QRect text = banner.adjusted(banner.height() / 6, banner.height() / 6, -iconSize, 0);
    painter.setPen(Qt::white);
    painter.setFont(arialFont(24, true));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, QString::fromUtf8(kProgramName));
    painter.setPen(QColor(0xD8, 0xE0, 0xF8));
    painter.setFont(arialFont(10));
    painter.drawText(text.adjusted(2, 0, 0, -banner.height() / 6), Qt::AlignLeft | Qt::AlignBottom,
                     QCoreApplication::translate("zrt::IntroWindow", "Il contascatti per l'accesso a Internet"));
}

void paintRaisedEdge(QPainter& painter, const QRect& area)
{
    painter.setPen(Qt::white);
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());
}

QPixmap artwork(const QSize& size, int bannerHeight, const QColor& face)
{
    QPixmap picture(size);
    picture.fill(face);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    paintBanner(painter, QRect(0, 0, size.width(), bannerHeight));
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintRaisedEdge(painter, QRect(QPoint(0, 0), size - QSize(1, 1)));
    return picture;
}

LinkLabel* makeLink(QWidget* parent, const char* name, const QString& caption, const QString& address)
{
    auto* link = new LinkLabel(parent);
    link->setObjectName(QLatin1String(name));
    link->setCaption(caption);
    link->setHyperlink(address);
    link->setFont(arialFont(8));
    return link;
}

} // namespace

IntroWindow::IntroWindow(const QVersionNumber& version, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      iconLabel_(new QLabel(this)),
      titleLabel_(new QLabel(versionCaption(version), this)),
      siteLink_(makeLink(this, "LinkLabel1", kMakerWebSite, QStringLiteral("http://") + kMakerWebSite)),
      mailLink_(makeLink(this, "LinkLabel2", kMakerMail, QStringLiteral("mailto:") + kMakerMail))
{
    setObjectName(QStringLiteral("frmIntro"));
    setWindowTitle(QString::fromUtf8(kProgramName));
    setPalette(classicPalette());
    iconLabel_->setObjectName(QStringLiteral("Picture1"));
    titleLabel_->setObjectName(QStringLiteral("Label1"));
    titleLabel_->setFont(arialFont(8, true));
    titleLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    placeControls();

    startUpTimer_.setObjectName(QStringLiteral("Timer1"));
    startUpTimer_.setSingleShot(true);
    startUpTimer_.setInterval(kStartUpDelay);
    connect(&startUpTimer_, &QTimer::timeout, this, &IntroWindow::startUpDue);
    startUpTimer_.start();
}

void IntroWindow::placeControls()
{
    const PixelScale scale = PixelScale::ofScreen();
    const QSize size = scale.toPixels(kWindowTwips);
    setFixedSize(size);
    iconLabel_->setGeometry(rect());
    iconLabel_->setPixmap(artwork(size, scale.toPixelsY(kBannerHeightTwips), palette().color(QPalette::Button)));
    titleLabel_->setGeometry(scale.toPixels(kLabel1Twips));
    siteLink_->setGeometry(scale.toPixels(kLinkLabel1Twips));
    mailLink_->setGeometry(scale.toPixels(kLinkLabel2Twips));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

} // namespace zrt
