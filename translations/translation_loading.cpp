#include "translation_loading.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QLoggingCategory>
#include <QTranslator>

namespace zrt {

namespace {

Q_LOGGING_CATEGORY(lcTranslations, "zrtellix.translations")

} // namespace

QString systemUiLanguage()
{
    const QLocale system = QLocale::system();
    const QStringList languages = system.uiLanguages();
    return languages.isEmpty() ? system.name() : languages.first();
}

QString translationFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/zrtellix/translations"));
}

void installTranslation(QCoreApplication& application, const std::optional<QString>& name)
{
    if (!name)
        return;
    auto* translator = new QTranslator(&application);
    if (!translator->load(*name, translationFolder())) {
        qCWarning(lcTranslations).noquote() << "The translation" << *name << "cannot be loaded from"
                                            << translationFolder() << "- the program keeps its own language";
        delete translator;
        return;
    }
    QCoreApplication::installTranslator(translator);
}

} // namespace zrt
