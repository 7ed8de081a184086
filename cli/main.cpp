#include "arguments.h"
#include "commands.h"
#include "tool_text.h"

#include "database/database_error.h"
#include "database/text_escaping.h"
#include "translations/language_choice.h"
#include "translations/translation_loading.h"

#include <QGuiApplication>
#include <QMap>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

using Command = std::function<int(const QStringList&, zrt::cli::Console&)>;

// The tool's help, also shown after a wrong command line.
QString usage()
{
    return zrt::cli::ToolText::tr(
        "Usage: zrtellixctl COMMAND [OPTIONS]\n"
        "\n"
        "Commands:\n"
        "  init --db FILE [--empty]          create a database (with the default tariffs,\n"
        "                                    or with --empty only the VAT rate of 20)\n"
        "  daytype YYYY-MM-DD                print the day type: FER, PRE or FES\n"
        "  band [--db FILE] --entry NAME --at \"YYYY-MM-DD HH:MM:SS\"\n"
        "                                    print the band in force for a dial-up entry\n"
        "  cost [--db FILE] --entry NAME --start \"YYYY-MM-DD HH:MM:SS\" --seconds N\n"
        "                                    price a connection; prints one JSON object\n"
        "  tariffs [--db FILE]               list companies, tariffs and bands\n"
        "  check [--db FILE]                 list the problems of every tariff: bands that\n"
        "                                    leave time uncovered, overlap or run backwards,\n"
        "                                    numbers out of bounds; exit status 1 if any\n"
        "  log [--db FILE] --year Y --month M [--csv | --json]\n"
        "                                    list a month's connections and their total\n"
        "  stats [--db FILE] --year Y [--json]\n"
        "                                    sum a year's connections by month, by entry\n"
        "                                    and by day type\n"
        "  reprice [--db FILE] --year Y --month M\n"
        "                                    price again the month's connections logged\n"
        "                                    without a tariff, with the tariffs of now\n"
        "  status [--db FILE] [--json]       show the database in use, this month's total\n"
        "                                    and how much of the spending limit it used\n"
        "  limit [--db FILE] --set LIRE | --clear\n"
        "                                    set or remove the monthly spending limit\n"
        "  print [--db FILE] --year Y --month M [--pdf FILE]\n"
        "                                    print a month's connections on the default\n"
        "                                    printer, or write them to a PDF file\n"
        "  export-update [--db FILE] --company NAME --out FILE\n"
        "                                    write an update file (telecom.mdb) holding one\n"
        "                                    company with its tariffs and bands\n"
        "\n"
        "Without --db the database of the data folder is used: $ZRTELLIX_DATA_DIR,\n"
        "else the program's own folder when it holds zrtell.T99, else\n"
        "$XDG_DATA_HOME/zrtellix (~/.local/share/zrtellix).\n"
        "Exit status: 0 done, 1 failed (message on stderr), 2 bad arguments.\n");
}

const QMap<QString, Command>& commands()
{
    static const QMap<QString, Command> table{
        {QStringLiteral("init"), zrt::cli::runInit},       {QStringLiteral("daytype"), zrt::cli::runDayType},
        {QStringLiteral("band"), zrt::cli::runBand},       {QStringLiteral("cost"), zrt::cli::runCost},
        {QStringLiteral("tariffs"), zrt::cli::runTariffs}, {QStringLiteral("log"), zrt::cli::runLog},
        {QStringLiteral("reprice"), zrt::cli::runReprice}, {QStringLiteral("stats"), zrt::cli::runStats},
        {QStringLiteral("status"), zrt::cli::runStatus},   {QStringLiteral("print"), zrt::cli::runPrint},
        {QStringLiteral("export-update"), zrt::cli::runExportUpdate},
        {QStringLiteral("check"), zrt::cli::runCheck},     {QStringLiteral("limit"), zrt::cli::runLimit},
    };
    return table;
}

int usageError(zrt::cli::Console& console, const QString& problem)
{
    console.err << "zrtellixctl: " << problem << "\n\n" << usage();
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
    zrt::installTranslation(*application, zrt::toolTranslationFor(zrt::systemUiLanguage()));
    QTextStream out(stdout);
    QTextStream err(stderr);
    zrt::cli::Console console{out, err};

    QStringList words = QCoreApplication::arguments().mid(1);
    if (words.isEmpty())
        return usageError(console, zrt::cli::ToolText::tr("no command given"));
    const QString name = words.takeFirst();
    if (name == QStringLiteral("--help") || name == QStringLiteral("help")) {
        out << usage();
        return 0;
    }
    const auto command = commands().constFind(name);
    if (command == commands().constEnd())
        return usageError(console, zrt::cli::ToolText::tr("unknown command \"%1\"").arg(name));
    try {
        return (*command)(words, console);
    } catch (const zrt::cli::UsageError& error) {
        return usageError(console, QString::fromStdString(error.what()));
    } catch (const zrt::DatabaseError& error) {
        err << "zrtellixctl: " << zrt::terminalSafe(error.message()) << '\n';
        return 1;
    }
}
