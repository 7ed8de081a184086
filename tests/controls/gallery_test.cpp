#include "tests/support/tool_run.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(Gallery, WritesEveryControlAsAPicture)
{
    QTemporaryDir dir;
    const auto run = zrt::test::runTool(QStringLiteral(ZRT_GALLERY_PATH), {QStringLiteral("--png"), dir.path()});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();

    const QStringList files = QDir(dir.path()).entryList({QStringLiteral("*.png")});
    for (const char* expected : {"digital-cost", "fltbutton-pressed", "dropdown-down", "linklabel-hover",
                                 "separator-vertical", "logo", "page-altro", "gallery"})
        EXPECT_TRUE(files.contains(QString::fromLatin1(expected) + ".png")) << expected;
    for (const QString& file : files) {
        const QImage image = QImage(dir.filePath(file)).convertToFormat(QImage::Format_ARGB32);
        QImage blank = image.copy();
        blank.fill(image.pixel(0, 0));
        EXPECT_FALSE(image == blank) << file.toStdString() << " is all one colour";
    }
}

} // namespace
