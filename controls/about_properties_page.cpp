#include "controls/about_properties_page.h"

#include "controls/classic_palette.h"
#include "controls/draw_arrow.h"
#include "controls/frames.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

namespace zrt {
namespace {

// A raised drop-down arrow part, the library's emblem.
QPixmap emblem()
{
    QPixmap picture(32, 32);
    picture.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter painter(&picture);
    drawRaisedFrame(painter, picture.rect(), classicPalette());
    drawArrow(painter, picture.rect(), Qt::black, true);
    return picture;
}

QLabel* makeText(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

AboutPropertiesPage::AboutPropertiesPage(QWidget* parent) : QWidget(parent), picture_(new QLabel(this))
{
    picture_->setObjectName(QStringLiteral("picture"));
    picture_->setPixmap(emblem());
    picture_->adjustSize();

    auto* title = makeText(QStringLiteral("ZRButtonTool"), this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(makeText(tr("Controlli di ZR Tellix 99: pulsanti piatti, pulsante a "
                                              "discesa, etichette di collegamento, separatori, display "
                                              "digitale e logo sfumato."),
                               this));
    layout->addWidget(makeText(tr("Versione 1.0"), this));
    layout->addStretch();
    layout->addSpacing(picture_->height());
}

void AboutPropertiesPage::resizeEvent(QResizeEvent*)
{
    picture_->move(0, height() - picture_->height());
}

} // namespace zrt
