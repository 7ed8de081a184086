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

    QAction& valuta() const { return *valuta_; }
    QAction& Lira() const { return *Lira_; }
    QAction& setup() const { return *setup_; }
    QAction& mnuNews() const { return *mnuNews_; }
    QAction& chiudiconnessione() const { return *chiudiconnessione_; }
    QAction& chiudi() const { return *chiudi_; }

private:
    QAction* item(const char* name, const QString& caption);
    void separator(const char* name);

    QAction* valuta_ = nullptr;
    QAction* Lira_ = nullptr;
    QAction* setup_ = nullptr;
    QAction* mnuNews_ = nullptr;
    QAction* chiudiconnessione_ = nullptr;
    QAction* chiudi_ = nullptr;
};

} // namespace zrt
