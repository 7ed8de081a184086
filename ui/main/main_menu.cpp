#include "main_menu.h"

#include <QAction>
#include <QKeySequence>

namespace zrt {

MainMenu::MainMenu(QWidget* parent) : QMenu(parent)
{
    setObjectName(QStringLiteral("aa"));
    euroItem_ = item("valuta", tr("Euro"));
    lireItem_ = item("Lira", tr("Lira"));
    separator("Sep");
    setupItem_ = item("setup", tr("Setup"));
    newsItem_ = item("mnuNews", tr("News Nevaro"));
    guideItem_ = item("mnuGuida", tr("Guida"));
    guideItem_->setShortcut(QKeySequence::HelpContents);
    separator("dddd");
    hangUpItem_ = item("chiudiconnessione", tr("Chiudi connessione"));
    quitItem_ = item("chiudi", tr("Chiudi ZR Tellix 99"));

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
