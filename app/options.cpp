#include "options.h"

#include "dialup/dialup_factory.h"

#include <QCommandLineParser>

namespace zrt::app {

const char kUsage[] = R"(Usage: zrtellix [--headless | --show] [--dialup KIND] [--data-dir DIR]

Meters the dial-up connections made on this machine and logs them. It
shows the cost in a small window that stays on top, with an icon in the
notification area; the management window opens from its menu.

  --headless       no windows: print the state of the line, the cost and
                   the elapsed time once a second, until interrupted
                   (also chosen when there is no display to show windows on)
  --show           bring the strip of the meter already running on the
                   same database to the front; with none running, start
                   (a second start without --show does the same)
  --dialup KIND    where connections are watched: auto (the default:
                   NetworkManager's metered profiles and the pppd peers
                   together; pppd alone where NetworkManager is not
                   running), nm, ppp, sim:DIR (the files DIR/entries and
                   DIR/connected) or none
  --data-dir DIR   the folder of zrtell.T99; else $ZRTELLIX_DATA_DIR, the
                   program's own folder when it holds zrtell.T99, or
                   $XDG_DATA_HOME/zrtellix (~/.local/share/zrtellix)
  --help           show this text

Exit status: 0 done, 1 failed (message on stderr), 2 bad arguments,
3 another meter is already running on the same database (one without
windows: a windowed one is brought to the front, and the status is 0).
)";

std::variant<Options, OptionsError> parseOptions(const QStringList& commandLine)
{
    const QCommandLineOption help(QStringLiteral("help"));
    const QCommandLineOption headless(QStringLiteral("headless"));
    const QCommandLineOption show(QStringLiteral("show"));
    const QCommandLineOption dialUp(QStringLiteral("dialup"), {}, QStringLiteral("KIND"),
                                    QString::fromUtf8(kDefaultDialUpKind.data(), kDefaultDialUpKind.size()));
    const QCommandLineOption dataDir(QStringLiteral("data-dir"), {}, QStringLiteral("DIR"));

    QCommandLineParser parser;
    parser.addOptions({help, headless, show, dialUp, dataDir});
    if (!parser.parse(commandLine))
        return OptionsError{parser.errorText()};
    if (!parser.positionalArguments().isEmpty())
        return OptionsError{QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first())};
    return Options{parser.isSet(help), parser.isSet(headless), parser.value(dialUp), parser.value(dataDir)};
}

} // namespace zrt::app
