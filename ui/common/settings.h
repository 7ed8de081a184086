#pragma once

#include <QPoint>
#include <QSettings>
#include <QString>

#include <optional>

namespace zrt {

// The per-user settings of the program, stored under "ZR Tellix 99".
class Settings {
public:
    Settings();
    // Settings kept in a file of the caller's choosing (tests).
    explicit Settings(const QString& fileName);

    bool newsOn() const;                 // "setting"/"News", default on
    void setNewsOn(bool on);
    void setProgramFolder(const QString& folder); // "setting"/"path"
    QString newsUrl() const;             // "setting"/"NewsUrl", default empty
    void setNewsUrl(const QString& address);

    // "Posizione"/"WinX", "WinY" in twips; missing values stay empty.
    std::optional<int> savedLeft() const;
    std::optional<int> savedTop() const;
    void savePosition(int leftTwips, int topTwips);

    bool hasRunBefore() const;           // "SecondoAvvio"/"Valore" is not 0
    void markRunBefore();                // writes "-1"
    bool autostartOn() const;            // "SecondoAvvio"/"Auto" reads -1
    void setAutostartOn(bool on);        // "-1" or "0"

    // Digest of an update file already reported as unusable, so the same
    // file is reported once.
    QString rejectedUpdate() const;
    void setRejectedUpdate(const QString& digest);

    void sync();

private:
    QString text(const QString& key, const QString& fallback = {}) const;
    void setText(const QString& key, const QString& value);

    mutable QSettings store_;
};

} // namespace zrt
