#pragma once

#include <QMenu>

class QAction;

namespace zrt {

// The pop-up menu of the main window, opened from its drop-down button and
// from the tray icon. At first it offers the switch to Euro; the switch
// back to Lire and the news item show only when they apply, and the
// hang-up only works while a line is up.
class MainMenu : public QMenu {
    Q_OBJECT

public:
    explicit MainMenu(QWidget* parent = nullptr);

    QAction& euroItem() const { return *euroItem_; }
    QAction& lireItem() const { return *lireItem_; }
    QAction& setupItem() const { return *setupItem_; }
    QAction& newsItem() const { return *newsItem_; }
    QAction& guideItem() const { return *guideItem_; }
    QAction& hangUpItem() const { return *hangUpItem_; }
    QAction& quitItem() const { return *quitItem_; }

private:
    QAction* item(const char* name, const QString& caption);
    void separator(const char* name);

    QAction* euroItem_ = nullptr;
    QAction* lireItem_ = nullptr;
    QAction* setupItem_ = nullptr;
    QAction* newsItem_ = nullptr;
    QAction* guideItem_ = nullptr;
    QAction* hangUpItem_ = nullptr;
    QAction* quitItem_ = nullptr;
};

} // namespace zrt
