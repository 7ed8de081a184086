#pragma once

#include <QString>

#include <optional>

class QCoreApplication;

namespace zrt {

// The first of the system's UI languages, as LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG set it.
QString systemUiLanguage();

// Where the programs find their translations: share/zrtellix/translations
// beside the folder of the running binary, in the build tree as installed.
QString translationFolder();

// Installs the translation `name` (zrtellix_en, ...) on the application.
// One that cannot be loaded is logged, and the program keeps its own
// language; std::nullopt installs nothing.
void installTranslation(QCoreApplication& application, const std::optional<QString>& name);

} // namespace zrt
