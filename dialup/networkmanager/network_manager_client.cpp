#include "network_manager_client.h"

#include "nm_names.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QTimer>

namespace zrt {

namespace {

// Long enough for the user to type a password when the system asks for one.
constexpr int kDeactivateTimeoutMs = 120'000;

// The properties whose change can start, end or move a connection.
bool concernsActiveConnections(const QString& interface, const QVariantMap& changedProperties)
{
    if (interface == nm::kManagerInterface)
        return changedProperties.contains(QStringLiteral("ActiveConnections"));
    if (interface == nm::kActiveInterface)
        return changedProperties.contains(QStringLiteral("State"))
            || changedProperties.contains(QStringLiteral("Devices"));
    if (interface == nm::kDeviceInterface)
        return changedProperties.contains(QStringLiteral("IpInterface"));
    return false;
}

} // namespace

NetworkManagerClient::NetworkManagerClient(const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , bus_(bus)
    , reader_(bus)
    , ownerWatch_(nm::kService, bus, QDBusServiceWatcher::WatchForOwnerChange)
{
    connect(&ownerWatch_, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) { onOwnerChanged(newOwner); });
    // Without a bus nothing can change: NetworkManager cannot appear on it.
    seesEveryChange_ = !bus_.isConnected() || subscribe();
    running_ = bus_.isConnected() && bus_.interface()->isServiceRegistered(nm::kService).value();
    if (running_)
        readAll();
}

void NetworkManagerClient::deactivate(const QString& activePath)
{
    QDBusMessage message = QDBusMessage::createMethodCall(nm::kService, nm::kManagerPath, nm::kManagerInterface,
                                                          QStringLiteral("DeactivateConnection"));
    message << QVariant::fromValue(QDBusObjectPath(activePath));
    message.setInteractiveAuthorizationAllowed(true);
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(message, kDeactivateTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        const QDBusPendingReply<> reply = *call;
        if (reply.isError())
            emit deactivationRefused(reply.error().message().isEmpty() ? reply.error().name()
                                                                        : reply.error().message());
    });
}

bool NetworkManagerClient::subscribe()
{
    const QString anyPath;
    const bool profiles =
        bus_.connect(nm::kService, nm::kSettingsPath, nm::kSettingsInterface, QStringLiteral("NewConnection"),
                     this, SLOT(onProfileAdded(QDBusObjectPath)))
        && bus_.connect(nm::kService, nm::kSettingsPath, nm::kSettingsInterface,
                        QStringLiteral("ConnectionRemoved"), this, SLOT(onProfileRemoved(QDBusObjectPath)))
        && bus_.connect(nm::kService, anyPath, nm::kProfileInterface, QStringLiteral("Updated"), this,
                        SLOT(onProfileUpdated(QDBusMessage)));
    const bool connections =
        bus_.connect(nm::kService, anyPath, nm::kPropertiesInterface, QStringLiteral("PropertiesChanged"), this,
                     SLOT(onPropertiesChanged(QString, QVariantMap, QStringList)))
        && bus_.connect(nm::kService, anyPath, nm::kActiveInterface, QStringLiteral("StateChanged"), this,
                        SLOT(onActiveStateChanged()));
    return profiles && connections;
}

void NetworkManagerClient::onOwnerChanged(const QString& newOwner)
{
    running_ = !newOwner.isEmpty();
    if (running_)
        readAll();
    emit changed();
}

void NetworkManagerClient::readAll()
{
    if (const auto paths = reader_.profilePaths()) {
        profiles_.clear();
        for (const QString& path : *paths)
            readProfile(path);
    }
    refreshActiveConnections();
}

bool NetworkManagerClient::readProfile(const QString& path)
{
    const auto profile = reader_.profile(path);
    if (!profile)
        return false;
    profiles_.insert(path, *profile);
    return true;
}

void NetworkManagerClient::onProfileAdded(const QDBusObjectPath& path)
{
    if (readProfile(path.path()))
        emit changed();
}

void NetworkManagerClient::onProfileRemoved(const QDBusObjectPath& path)
{
    if (profiles_.remove(path.path()) > 0)
        emit changed();
}

void NetworkManagerClient::onProfileUpdated(const QDBusMessage& message)
{
    if (readProfile(message.path()))
        emit changed();
}

void NetworkManagerClient::onPropertiesChanged(const QString& interface, const QVariantMap& changedProperties,
                                               const QStringList&)
{
    if (concernsActiveConnections(interface, changedProperties))
        refreshActiveConnectionsSoon();
}

void NetworkManagerClient::onActiveStateChanged()
{
    refreshActiveConnectionsSoon();
}

// One activation sends a burst of signals; they are read as one change.
void NetworkManagerClient::refreshActiveConnectionsSoon()
{
    if (refreshPending_)
        return;
    refreshPending_ = true;
    QTimer::singleShot(0, this, [this] {
        refreshPending_ = false;
        if (refreshActiveConnections())
            emit changed();
    });
}

// Returns whether anything changed. A profile activated before it was seen
// (or that could not be read then) is read now.
bool NetworkManagerClient::refreshActiveConnections()
{
    auto connections = reader_.activeConnections();
    if (!connections || *connections == activeConnections_)
        return false;
    activeConnections_ = std::move(*connections);
    for (const NmActiveConnection& connection : std::as_const(activeConnections_)) {
        if (!profiles_.contains(connection.profilePath))
            readProfile(connection.profilePath);
    }
    return true;
}

} // namespace zrt
