#include "app/status_line.h"

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

// What the headless program prints for each state of the line; an entry
// name cannot move the cursor, recolour the terminal or forge a line.
TEST(StatusLine, ShowsTheLineTheCostAndTheTimeAndNeverRawControlCharacters)
{
    struct Case {
        const char* name;
        QString entry;
        bool priced;
        QString expected;
    };
    const Case cases[] = {
        {"priced", QStringLiteral("Casa"), true, QStringLiteral("Connessione attiva Casa | 305 Lire | Tempo: 00:03:00")},
        {"unpriced", QStringLiteral("Casa"), false,
         QStringLiteral("Tariffa mancante per Casa | tariffa mancante | Tempo: 00:03:00")},
        {"escape sequence", QStringLiteral("\x1b[2JCasa"), true,
         QStringLiteral("Connessione attiva \\x1b[2JCasa | 305 Lire | Tempo: 00:03:00")},
        {"line feed", QStringLiteral("Casa\nNon connesso"), true,
         QStringLiteral("Connessione attiva Casa\\nNon connesso | 305 Lire | Tempo: 00:03:00")},
    };
    for (const Case& c : cases) {
        app::StatusLine line;
        line.showConnection(c.priced ? connectedCaption(c.entry) : missingTariffCaption(c.entry));
        if (c.priced)
            line.showCost(QStringLiteral("305"));
        else
            line.showMissingTariff(c.entry);
        line.showElapsed(QStringLiteral("Tempo: 00:03:00"));
        EXPECT_EQ(line.text(), c.expected) << c.name;
    }
}

} // namespace
} // namespace zrt::test
