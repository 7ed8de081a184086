#include "tests/support/scratch_database.h"
#include "tests/support/tool_run.h"

#include "database/connection_log.h"

#include <QFile>

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

using test::ToolRun;

// Only the last command writes the file; the others leave nothing behind.
TEST(PrintCommand, PrintsAMonthOrSaysWhyNot)
{
    test::ScratchDatabase scratch;
    {
        Database database = scratch.open();
        ConnectionLog log(database);
        const int id = log.open(QStringLiteral("Casa"), *parseLocalDateTime("2026-12-01 09:00:00"),
                                QStringLiteral("Telecom Italia 1998"));
        log.close(id, *parseTimeOfDay("10:00:00"), {1234567, 20, 3600});
    }
    // No display and no reachable print server.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "PRINTER", "LPDEST"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("CUPS_SERVER"), QStringLiteral("/nonexistent/cups.sock"));
    const QString db = scratch.path();
    const QString pdf = scratch.folder() + QStringLiteral("/dicembre.pdf");
    const QString strayPdf = scratch.folder() + QStringLiteral("/missing/lista.pdf");
    const struct {
        QStringList arguments;
        int status;
        const char* message; // on stdout when done, else on stderr
    } cases[] = {
        {{"print", "--db", db, "--year", "2026", "--month", "11", "--pdf", pdf}, 0, "nothing to print"},
        {{"print", "--db", db, "--year", "2026", "--month", "12"}, 1, "No printer"},
        {{"print", "--db", db, "--year", "2026", "--month", "12", "--pdf", strayPdf}, 1, "cannot write"},
        {{"print", "--db", db, "--year", "2026", "--month", "12", "--pdf", pdf}, 0, "Written to"},
    };
    for (const auto& c : cases) {
        const ToolRun run = test::runTool(QStringLiteral(ZRTELLIXCTL_PATH), c.arguments, environment);
        const std::string command = c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.status, c.status) << command << "\n" << run.err.toStdString();
        EXPECT_TRUE((c.status == 0 ? run.out : run.err).contains(QString::fromLatin1(c.message)))
            << command << "\n" << run.out.toStdString() << run.err.toStdString();
        EXPECT_EQ(QFile::exists(pdf), &c == std::end(cases) - 1) << command;
    }
}

} // namespace
} // namespace zrt::test
