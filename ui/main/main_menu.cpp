#include "main_menu.h"

#include <QAction>

namespace zrt {

MainMenu::MainMenu(QWidget* parent) : QMenu(parent)
{
    setObjectName(QStringLiteral("aa"));
    valuta_ = item("valuta", QStringLiteral("Euro"));
    Lira_ = item("Lira", QStringLiteral("Lira"));
    separator("Sep");
    setup_ = item("setup", QStringLiteral("Setup"));
    mnuNews_ = item("mnuNews", QStringLiteral("News Nevaro"));
    separator("dddd");
    chiudiconnessione_ = item("chiudiconnessione", QStringLiteral("Chiudi connessione"));
    chiudi_ = item("chiudi", QStringLiteral("Chiudi ZR Tellix 99"));

    Lira_->setVisible(false);
    mnuNews_->setVisible(false);
    chiudiconnessione_->setEnabled(false);
}

QAction* MainMenu::item(const char* name, const QString& caption)
{
    QAction* action = addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

void MainMenu::separator(const char* name)
{
    addSeparator()->setObjectName(QLatin1String(name));
}

} // namespace zrt
