#pragma once

// The names NetworkManager uses on D-Bus, and the values of its enums
// that the program reads.

#include <QString>

namespace zrt::nm {

inline const QString kService = QStringLiteral("org.freedesktop.NetworkManager");
inline const QString kManagerPath = QStringLiteral("/org/freedesktop/NetworkManager");
inline const QString kManagerInterface = QStringLiteral("org.freedesktop.NetworkManager");
inline const QString kSettingsPath = QStringLiteral("/org/freedesktop/NetworkManager/Settings");
inline const QString kSettingsInterface = QStringLiteral("org.freedesktop.NetworkManager.Settings");
inline const QString kProfileInterface = QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection");
inline const QString kActiveInterface = QStringLiteral("org.freedesktop.NetworkManager.Connection.Active");
inline const QString kDeviceInterface = QStringLiteral("org.freedesktop.NetworkManager.Device");
inline const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

// NMActiveConnectionState
enum class ActiveState : uint {
    Unknown = 0,
    Activating = 1,
    Activated = 2,
    Deactivating = 3,
    Deactivated = 4,
};

// NMMetered, the value of connection.metered
inline constexpr int kMeteredYes = 1;

} // namespace zrt::nm
