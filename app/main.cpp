#include "headless_program.h"
#include "options.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const auto parsed = zrt::app::parseOptions(QCoreApplication::arguments());
    if (const auto* error = std::get_if<zrt::app::OptionsError>(&parsed)) {
        QTextStream(stderr) << "zrtellix: " << error->message << "\n\n" << zrt::app::kUsage;
        return 2;
    }
    const zrt::app::Options& options = std::get<zrt::app::Options>(parsed);
    if (options.help) {
        QTextStream(stdout) << zrt::app::kUsage;
        return 0;
    }
    // The windows are not part of this build yet: it runs headless.
    return zrt::app::runHeadless(options);
}
