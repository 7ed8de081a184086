#include "arguments.h"
#include "commands.h"

#include "database/database_error.h"
#include "database/text_escaping.h"

#include <QGuiApplication>
#include <QMap>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

using Command = std::function<int(const QStringList&, zrt::cli::Console&)>;

const char kUsage[] = R"(Usage: zrtellixctl COMMAND [OPTIONS]

Commands:
  init --db FILE [--empty]          create a database (with the default tariffs,
                                    or with --empty only the VAT rate of 20)
  daytype YYYY-MM-DD                print the day type: FER, PRE or FES
  band [--db FILE] --entry NAME --at "YYYY-MM-DD HH:MM:SS"
                                    print the band in force for a dial-up entry
  cost [--db FILE] --entry NAME --start "YYYY-MM-DD HH:MM:SS" --seconds N
                                    price a connection; prints one JSON object
  tariffs [--db FILE]               list companies, tariffs and bands
  check [--db FILE]                 list the problems of every tariff: bands that
                                    leave time uncovered, overlap or run backwards,
                                    numbers out of bounds; exit status 1 if any
  log [--db FILE] --year Y --month M [--csv]
                                    list a month's connections and their total
  reprice [--db FILE] --year Y --month M
                                    price again the month's connections logged
                                    without a tariff, with the tariffs of now
  status [--db FILE]                show the database in use and this month's total
  print [--db FILE] --year Y --month M [--pdf FILE]
                                    print a month's connections on the default
                                    printer, or write them to a PDF file
  export-update [--db FILE] --company NAME --out FILE
                                    write an update file (telecom.mdb) holding one
                                    company with its tariffs and bands

Without --db the database of the data folder is used: $ZRTELLIX_DATA_DIR,
else the program's own folder when it holds zrtell.T99, else
$XDG_DATA_HOME/zrtellix (~/.local/share/zrtellix).
Exit status: 0 done, 1 failed (message on stderr), 2 bad arguments.
)";

const QMap<QString, Command>& commands()
{
    static const QMap<QString, Command> table{
        {QStringLiteral("init"), zrt::cli::runInit},       {QStringLiteral("daytype"), zrt::cli::runDayType},
        {QStringLiteral("band"), zrt::cli::runBand},       {QStringLiteral("cost"), zrt::cli::runCost},
        {QStringLiteral("tariffs"), zrt::cli::runTariffs}, {QStringLiteral("log"), zrt::cli::runLog},
        {QStringLiteral("reprice"), zrt::cli::runReprice},
        {QStringLiteral("status"), zrt::cli::runStatus},   {QStringLiteral("print"), zrt::cli::runPrint},
        {QStringLiteral("export-update"), zrt::cli::runExportUpdate},
        {QStringLiteral("check"), zrt::cli::runCheck},
    };
    return table;
}

int usageError(zrt::cli::Console& console, const QString& problem)
{
    console.err << "zrtellixctl: " << problem << "\n\n" << kUsage;
    return 2;
}

// Printing lays text out with the system's fonts, which takes a GUI
// application; it never opens a window, so it needs no display.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[])
{
    if (argc < 2 || qstrcmp(argv[1], "print") != 0)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[])
{
    const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    zrt::cli::Console console{out, err};

    QStringList words = QCoreApplication::arguments().mid(1);
    if (words.isEmpty())
        return usageError(console, QStringLiteral("no command given"));
    const QString name = words.takeFirst();
    if (name == QStringLiteral("--help") || name == QStringLiteral("help")) {
        out << kUsage;
        return 0;
    }
    const auto command = commands().constFind(name);
    if (command == commands().constEnd())
        return usageError(console, QStringLiteral("unknown command \"%1\"").arg(name));
    try {
        return (*command)(words, console);
    } catch (const zrt::cli::UsageError& error) {
        return usageError(console, QString::fromStdString(error.what()));
    } catch (const zrt::DatabaseError& error) {
        err << "zrtellixctl: " << zrt::terminalSafe(error.message()) << '\n';
        return 1;
    }
}
