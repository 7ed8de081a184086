// Starts the windows of ZR Tellix 99 on their own; with --screenshots it
// plays a connection on the simulated dialer and takes pictures of them.
#include "screenshot_tour.h"
#include "windowed_program.h"

#include "translations/language_choice.h"
#include "translations/translation_loading.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    zrt::installTranslation(application, zrt::windowsTranslationFor(zrt::systemUiLanguage()));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Starts the windows of ZR Tellix 99."));
    parser.addHelpOption();
    const QCommandLineOption dialUp(QStringLiteral("dialup"), QStringLiteral("auto, nm, ppp, sim:FOLDER or none."),
                                    QStringLiteral("KIND"), QStringLiteral("auto"));
    const QCommandLineOption dataDir(QStringLiteral("data-dir"), QStringLiteral("The folder of zrtell.T99."),
                                     QStringLiteral("DIR"));
    const QCommandLineOption screenshots(
        QStringLiteral("screenshots"),
        QStringLiteral("Play a connection on the sim:FOLDER dialer, write pictures of the windows into DIR, end."),
        QStringLiteral("DIR"));
    parser.addOptions({dialUp, dataDir, screenshots});
    parser.process(application);

    const zrt::WindowOptions options{parser.value(dialUp), parser.value(dataDir)};
    std::unique_ptr<zrt::ScreenshotTour> tour;
    if (parser.isSet(screenshots)) {
        if (!options.dialUpKind.startsWith(QLatin1String("sim:"))) {
            QTextStream(stderr) << "--screenshots needs --dialup sim:FOLDER\n";
            return 2;
        }
        tour = std::make_unique<zrt::ScreenshotTour>(QDir(parser.value(screenshots)), options.dialUpKind.mid(4));
    }
    return zrt::runWindows(application, options);
}
