#include "translations/language_choice.h"

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

// The first UI language as the system names it, and the translation each
// program loads for it.
struct LanguageCase {
    const char* uiLanguage;
    std::optional<QString> windows;
    std::optional<QString> tool;
};

class LanguageChoice : public testing::TestWithParam<LanguageCase> {};

TEST_P(LanguageChoice, WindowsStayItalianForItalianAndCAndTheToolTurnsItalianOnlyForItalian)
{
    const LanguageCase& c = GetParam();
    EXPECT_EQ(windowsTranslationFor(QString::fromLatin1(c.uiLanguage)), c.windows);
    EXPECT_EQ(toolTranslationFor(QString::fromLatin1(c.uiLanguage)), c.tool);
}

const std::optional<QString> kItalianTool = QStringLiteral("zrtellixctl_it");
const std::optional<QString> kEnglishWindows = QStringLiteral("zrtellix_en");

INSTANTIATE_TEST_SUITE_P(
    Locales, LanguageChoice,
    testing::Values(LanguageCase{"it-IT", std::nullopt, kItalianTool}, LanguageCase{"it_IT", std::nullopt, kItalianTool},
                    LanguageCase{"it-CH", std::nullopt, kItalianTool}, LanguageCase{"it", std::nullopt, kItalianTool},
                    LanguageCase{"C", std::nullopt, std::nullopt}, LanguageCase{"POSIX", std::nullopt, std::nullopt},
                    LanguageCase{"", std::nullopt, std::nullopt}, LanguageCase{"en-US", kEnglishWindows, std::nullopt},
                    LanguageCase{"de-DE", kEnglishWindows, std::nullopt},
                    LanguageCase{"fr-FR", kEnglishWindows, std::nullopt}));

} // namespace
} // namespace zrt::test
