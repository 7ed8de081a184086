#include "widgettesting.h"

#include "controls/classicpalette.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QStyleFactory>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace zrt::testing {
namespace {

// Widgets need an application before the first one is made, and fixtures
// make theirs before SetUp runs; the classic palette makes colours the same
// on every machine.
class ApplicationEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        application_ = std::make_unique<QApplication>(argc_, argv_);
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(classicPalette());
    }

    void TearDown() override { application_.reset(); }

private:
    char name_[19] = "zrt_controls_tests";
    char* argv_[2] = {name_, nullptr};
    int argc_ = 1;
    std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] const ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

} // namespace

QImage render(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QColor pixel(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

bool anyPixel(const QImage& image, const QRect& rect, const QColor& color)
{
    const QRect area = rect & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (pixel(image, x, y) == color)
                return true;
        }
    }
    return false;
}

void enter(QWidget& widget)
{
    const QPointF inside(1, 1);
    QEnterEvent event(inside, inside, widget.mapToGlobal(inside));
    QApplication::sendEvent(&widget, &event);
}

void leave(QWidget& widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
}

void moveMouse(QWidget& widget, QPoint at)
{
    QMouseEvent event(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

} // namespace zrt::testing
