#include "info_page.h"

#include "page_icons.h"
#include "ui/common/program_identity.h"
#include "setup_widgets.h"

#include "controls/link_label.h"
#include "controls/separator.h"

#include "engine/program_name.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QVersionNumber>

namespace zrt {

namespace {

constexpr int kPictureSize = 48;
constexpr qreal kTitleScale = 1.8;

LinkLabel* link(const QString& objectName, const QString& caption, const QString& address, QWidget* parent)
{
    auto* label = new LinkLabel(parent);
    label->setObjectName(objectName);
    label->setCaption(caption);
    label->setHyperlink(address);
    label->setBackColor(buttonFaceColor);
    return label;
}

QLabel* title(QWidget* parent)
{
    QLabel* label = setupLabel(QStringLiteral("lblTitolo"), QString::fromUtf8(kProgramName), parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * kTitleScale);
    label->setFont(font);
    return label;
}

QLabel* picture(QWidget* parent)
{
    QLabel* label = setupLabel(QStringLiteral("picInfo"), QString(), parent);
    label->setPixmap(pageIcon(SetupPage::About, kPictureSize));
    return label;
}

} // namespace

InfoPage::InfoPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QGridLayout(this);
    layout->addWidget(picture(this), 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(title(this), 0, 1);
    layout->addWidget(setupLabel(QStringLiteral("lblVersione"), versionCaption(), this), 1, 1);
    layout->addWidget(new Separator(this), 2, 0, 1, 2);
    layout->addWidget(link(QStringLiteral("lnkSito"), kMakerWebSite, QStringLiteral("http://") + kMakerWebSite, this), 3, 1);
    layout->addWidget(link(QStringLiteral("lnkPosta"), kMakerMail, QStringLiteral("mailto:") + kMakerMail, this),
                      4, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(5, 1);
}

} // namespace zrt
