#pragma once

#include <QMap>
#include <QString>
#include <QVariantMap>

namespace zrt {

// A connection profile as NetworkManager keeps it.
struct NmProfile {
    QString id;      // connection.id, the name the user sees
    QString type;    // connection.type: "gsm", "802-11-wireless", ...
    int metered = 0; // connection.metered, an NMMetered value

    friend bool operator==(const NmProfile&, const NmProfile&) = default;
};

// The settings of a profile, setting name to its keys, as GetSettings gives them.
using NmSettings = QMap<QString, QVariantMap>;

NmProfile profileFromSettings(const NmSettings& settings);

// True for the links paid by time or by traffic: mobile broadband, PPPoE,
// ADSL and Bluetooth, and any profile the user marked as metered.
bool isMeteredLink(const NmProfile& profile);

} // namespace zrt
