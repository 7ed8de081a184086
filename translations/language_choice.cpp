#include "language_choice.h"

#include <QLocale>

namespace zrt {

namespace {

bool isItalian(const QString& uiLanguage)
{
    return QLocale(uiLanguage).language() == QLocale::Italian;
}

// The C and POSIX locales name no language: the program's own is kept.
bool namesNoLanguage(const QString& uiLanguage)
{
    return uiLanguage.isEmpty() || uiLanguage == QLatin1String("C") || uiLanguage == QLatin1String("POSIX");
}

} // namespace

std::optional<QString> windowsTranslationFor(const QString& uiLanguage)
{
    if (isItalian(uiLanguage) || namesNoLanguage(uiLanguage))
        return std::nullopt;
    return QStringLiteral("zrtellix_en");
}

std::optional<QString> toolTranslationFor(const QString& uiLanguage)
{
    if (isItalian(uiLanguage))
        return QStringLiteral("zrtellixctl_it");
    return std::nullopt;
}

} // namespace zrt
