#include "main_menu.h"

#include <QAction>
#include <QKeySequence>

namespace zrt {

MainMenu::MainMenu(QWidget* parent) : QMenu(parent)
{
    setObjectName(QStringLiteral("aa"));
    euroItem_ = item("valuta", QStringLiteral("Euro"));
    lireItem_ = item("Lira", QStringLiteral("Lira"));
    separator("Sep");
    setupItem_ = item("setup", QStringLiteral("Setup"));
    newsItem_ = item("mnuNews", QStringLiteral("News Nevaro"));
    guideItem_ = item("mnuGuida", tr("Guida"));
    guideItem_->setShortcut(QKeySequence::HelpContents);
    separator("dddd");
    hangUpItem_ = item("chiudiconnessione", QStringLiteral("Chiudi connessione"));
    quitItem_ = item("chiudi", QStringLiteral("Chiudi ZR Tellix 99"));

    lireItem_->setVisible(false);
    newsItem_->setVisible(false);
    hangUpItem_->setEnabled(false);
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
