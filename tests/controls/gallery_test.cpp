#include "tests/support/tool_run.h"

#include <QDir>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

int distinctColours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    }
    return int(colours.size());
}

TEST(Gallery, WritesEveryControlAsAPicture)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const zrt::test::ToolRun run =
        zrt::test::runTool(QStringLiteral(ZRT_GALLERY_PATH), {QStringLiteral("--png"), dir.path()});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();

    const QStringList files = QDir(dir.path()).entryList({QStringLiteral("*.png")});
    for (const char* expected : {"digital-cost", "fltbutton-raised", "fltbutton-pressed", "dropdown-down",
                                 "linklabel-hover", "separator-vertical", "logo", "page-altro", "gallery"})
        EXPECT_TRUE(files.contains(QString::fromLatin1(expected) + ".png")) << expected;
    for (const QString& file : files)
        EXPECT_GT(distinctColours(QImage(dir.filePath(file))), 1) << file.toStdString();
}

} // namespace
