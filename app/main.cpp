#include "headless_program.h"
#include "options.h"
#include "termination_signals.h"

#include "windowed_program.h"

#include "translations/language_choice.h"
#include "translations/translation_loading.h"

#include <QApplication>
#include <QTextStream>

namespace {

QStringList commandLine(int argc, char* argv[])
{
    QStringList words;
    for (int i = 0; i < argc; ++i)
        words << QString::fromLocal8Bit(argv[i]);
    return words;
}

// Windows need a display; a session without one gets the status lines.
bool displayAvailable()
{
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
        || qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char* argv[])
{
    const auto parsed = zrt::app::parseOptions(commandLine(argc, argv));
    if (const auto* error = std::get_if<zrt::app::OptionsError>(&parsed)) {
        QTextStream(stderr) << "zrtellix: " << error->message << "\n\n" << zrt::app::kUsage;
        return 2;
    }
    const zrt::app::Options& options = std::get<zrt::app::Options>(parsed);
    if (options.help) {
        QTextStream(stdout) << zrt::app::kUsage;
        return 0;
    }
    if (options.headless || !displayAvailable()) {
        QCoreApplication application(argc, argv);
        zrt::installTranslation(application, zrt::windowsTranslationFor(zrt::systemUiLanguage()));
        if (!options.headless)
            QTextStream(stderr) << "zrtellix: "
                                << QCoreApplication::translate("zrt::app::HeadlessProgram",
                                                               "nessuno schermo su cui mostrare le finestre: "
                                                               "si continua senza")
                                << '\n';
        return zrt::app::runHeadless(options);
    }
    QApplication application(argc, argv);
    zrt::installTranslation(application, zrt::windowsTranslationFor(zrt::systemUiLanguage()));
    // A signal ends the windows in order too: the open connection is logged.
    const zrt::app::TerminationSignals terminationSignals([](int) { QCoreApplication::quit(); });
    return zrt::runWindows(application, {options.dialUpKind, options.dataDir});
}
