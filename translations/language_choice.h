#pragma once

#include <QString>

#include <optional>

namespace zrt {

// The translation, by its base name, each program loads for the user's
// language: the first of the system's UI languages ("it-IT", "en-US",
// "C"). std::nullopt: the program speaks its own language.

// The windows and the status line speak Italian; every other language but
// the C locale's gets their English translation.
std::optional<QString> windowsTranslationFor(const QString& uiLanguage);

// zrtellixctl speaks English; Italian users get its Italian translation.
std::optional<QString> toolTranslationFor(const QString& uiLanguage);

} // namespace zrt
