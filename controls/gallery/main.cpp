#include "gallery_window.h"

#include "controls/classic_palette.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStyleFactory>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZRButtonTool gallery"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(zrt::classicPalette());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows every control of the library in its states."));
    parser.addHelpOption();
    const QCommandLineOption pngOption(QStringLiteral("png"),
                                       QStringLiteral("Write each control as a PNG file into <dir> and quit."),
                                       QStringLiteral("dir"));
    parser.addOption(pngOption);
    parser.process(app);

    zrt::gallery::GalleryWindow window;
    if (!parser.isSet(pngOption)) {
        window.show();
        window.poseSamples();
        return QApplication::exec();
    }

    const QDir dir(parser.value(pngOption));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "Cannot create the folder %s\n", qPrintable(dir.path()));
        return 1;
    }
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    window.poseSamples();
    const QStringList failed = window.writePngs(dir);
    for (const QString& file : failed)
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(file));
    return failed.isEmpty() ? 0 : 1;
}
