#pragma once

#include "nm_profile.h"

#include <QDBusConnection>
#include <QList>
#include <QString>

#include <optional>

namespace zrt {

// An active connection: a profile being brought up, up, or going down.
struct NmActiveConnection {
    QString path;          // a new one for every activation
    QString profilePath;   // the settings connection it activates
    uint state = 0;        // an NMActiveConnectionState value
    QString interfaceName; // its device's IP interface, else the device's own; empty when unknown

    friend bool operator==(const NmActiveConnection&, const NmActiveConnection&) = default;
};

// Reads NetworkManager's state with blocking calls of bounded length; each
// read is nullopt when NetworkManager does not answer it.
class NmReader {
public:
    explicit NmReader(QDBusConnection bus);

    std::optional<QList<QString>> profilePaths() const;
    std::optional<NmProfile> profile(const QString& path) const;
    std::optional<QList<NmActiveConnection>> activeConnections() const;

private:
    std::optional<NmActiveConnection> activeConnection(const QString& path) const;
    QString interfaceOfDevice(const QString& path) const;
    std::optional<QVariantMap> properties(const QString& path, const QString& interface) const;
    std::optional<QVariant> call(const QString& path, const QString& interface, const QString& method,
                                 const QVariantList& arguments = {}) const;

    QDBusConnection bus_;
};

} // namespace zrt
