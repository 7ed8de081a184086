#pragma once

#include "nm_profile.h"
#include "nm_reader.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

namespace zrt {

// NetworkManager as seen on D-Bus: whether it runs, its connection profiles
// and its active connections, kept up to date from its signals. While it is
// away the profiles and connections stay as last seen; when it comes back
// they are read again.
class NetworkManagerClient final : public QObject {
    Q_OBJECT

public:
    explicit NetworkManagerClient(const QDBusConnection& bus, QObject* parent = nullptr);

    bool isRunning() const { return running_; }
    // False when the bus refused to deliver NetworkManager's signals.
    bool seesEveryChange() const { return seesEveryChange_; }

    // By object path.
    const QHash<QString, NmProfile>& profiles() const { return profiles_; }
    const QList<NmActiveConnection>& activeConnections() const { return activeConnections_; }

    // Asks NetworkManager to take an active connection down, letting the
    // system ask the user for a password if its policy wants one. A
    // refusal comes back as deactivationRefused().
    void deactivate(const QString& activePath);

signals:
    void changed();
    void deactivationRefused(const QString& reason);

private slots:
    void onProfileAdded(const QDBusObjectPath& path);
    void onProfileRemoved(const QDBusObjectPath& path);
    void onProfileUpdated(const QDBusMessage& message);
    void onPropertiesChanged(const QString& interface, const QVariantMap& changedProperties,
                             const QStringList& invalidated);
    void onActiveStateChanged();

private:
    bool subscribe();
    void onOwnerChanged(const QString& newOwner);
    void readAll();
    bool readProfile(const QString& path);
    void refreshActiveConnectionsSoon();
    bool refreshActiveConnections();

    QDBusConnection bus_;
    NmReader reader_;
    QDBusServiceWatcher ownerWatch_;
    bool running_ = false;
    bool seesEveryChange_ = false;
    bool refreshPending_ = false;
    QHash<QString, NmProfile> profiles_;
    QList<NmActiveConnection> activeConnections_;
};

} // namespace zrt
