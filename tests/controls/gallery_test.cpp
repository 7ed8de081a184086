#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
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
    QProcess gallery;
    gallery.start(QStringLiteral(ZRT_GALLERY_PATH), {QStringLiteral("--png"), dir.path()});
    ASSERT_TRUE(gallery.waitForFinished(60000));
    EXPECT_EQ(gallery.exitCode(), 0) << gallery.readAllStandardError().toStdString();

    const QStringList files = QDir(dir.path()).entryList({QStringLiteral("*.png")});
    for (const char* expected : {"digital-cost", "fltbutton-raised", "fltbutton-pressed", "dropdown-down",
                                 "linklabel-hover", "separator-vertical", "logo", "page-altro", "gallery"})
        EXPECT_TRUE(files.contains(QString::fromLatin1(expected) + ".png")) << expected;
    for (const QString& file : files) {
        const QImage image(dir.filePath(file));
        ASSERT_FALSE(image.isNull()) << file.toStdString();
        EXPECT_GT(distinctColours(image), 1) << file.toStdString();
    }
}

} // namespace
