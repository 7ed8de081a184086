#include "database/text_escaping.h"

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

TEST(TerminalSafe, ControlCharactersAndDirectionMarksBecomeEscapes)
{
    const struct {
        QString text;
        const char* shown;
    } cases[] = {
        {QStringLiteral("Casa"), "Casa"},
        {QStringLiteral("Ελλάδα 中文"), "Ελλάδα 中文"},
        {QStringLiteral("\x1b[2J\x1b]0;titolo\x07"), "\\x1b[2J\\x1b]0;titolo\\x07"},
        {QStringLiteral("Casa\n2026-12-01 fake"), "Casa\\n2026-12-01 fake"},
        {QStringLiteral("a\rb\tc"), "a\\rb\\tc"},
        {QStringLiteral("C:\\x1b"), "C:\\\\x1b"},
        {QString(QChar(0x9b)) + QStringLiteral("31m"), "\\x9b31m"},
        {QStringLiteral("abc") + QChar(0x202e) + QStringLiteral("fdp.exe"), "abc\\u202efdp.exe"},
        {QString(QChar(0)) + QChar(0x7f), "\\x00\\x7f"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(terminalSafe(c.text), QString::fromUtf8(c.shown)) << c.shown;
}

TEST(CsvField, QuotedWhenNeededAndNeverAFormula)
{
    const struct {
        const char* text;
        const char* field;
    } cases[] = {
        {"Casa", "Casa"},
        {"", ""},
        {"Casa, \"mia\"", "\"Casa, \"\"mia\"\"\""},
        {"a\rb", "\"a\rb\""},
        {"a\nb", "\"a\nb\""},
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"+39 06", "'+39 06"},
        {"-1", "'-1"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"a=b", "a=b"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(csvField(QString::fromUtf8(c.text)), QString::fromUtf8(c.field)) << c.text;
}

} // namespace
} // namespace zrt::test
