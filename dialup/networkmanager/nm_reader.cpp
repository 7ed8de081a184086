#include "nm_reader.h"

#include "nm_names.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

#include <utility>

namespace zrt {

namespace {

// NetworkManager answers in milliseconds; one that hangs must not freeze the program.
constexpr int kCallTimeoutMs = 3000;

QList<QString> pathsOf(const QVariant& value)
{
    QList<QString> paths;
    for (const QDBusObjectPath& path : qdbus_cast<QList<QDBusObjectPath>>(value))
        paths.append(path.path());
    return paths;
}

bool isNullPath(const QString& path)
{
    return path.isEmpty() || path == QLatin1String("/");
}

} // namespace

NmReader::NmReader(QDBusConnection bus)
    : bus_(std::move(bus))
{
}

std::optional<QList<QString>> NmReader::profilePaths() const
{
    const auto reply = call(nm::kSettingsPath, nm::kSettingsInterface, QStringLiteral("ListConnections"));
    return reply ? std::optional(pathsOf(*reply)) : std::nullopt;
}

std::optional<NmProfile> NmReader::profile(const QString& path) const
{
    const auto reply = call(path, nm::kProfileInterface, QStringLiteral("GetSettings"));
    if (!reply)
        return std::nullopt;
    NmSettings settings;
    reply->value<QDBusArgument>() >> settings;
    return profileFromSettings(settings);
}

std::optional<QList<NmActiveConnection>> NmReader::activeConnections() const
{
    const auto manager = properties(nm::kManagerPath, nm::kManagerInterface);
    if (!manager)
        return std::nullopt;
    QList<NmActiveConnection> connections;
    for (const QString& path : pathsOf(manager->value(QStringLiteral("ActiveConnections")))) {
        // One that ended since the list was read is simply gone.
        if (auto connection = activeConnection(path))
            connections.append(std::move(*connection));
    }
    return connections;
}

std::optional<NmActiveConnection> NmReader::activeConnection(const QString& path) const
{
    const auto active = properties(path, nm::kActiveInterface);
    if (!active)
        return std::nullopt;
    const QList<QString> devices = pathsOf(active->value(QStringLiteral("Devices")));
    return NmActiveConnection{
        path,
        active->value(QStringLiteral("Connection")).value<QDBusObjectPath>().path(),
        active->value(QStringLiteral("State")).toUInt(),
        devices.isEmpty() ? QString() : interfaceOfDevice(devices.first()),
    };
}

// A modem's traffic runs on an IP interface (ppp0, wwan0) other than the
// device's own (ttyUSB0, cdc-wdm0).
QString NmReader::interfaceOfDevice(const QString& path) const
{
    if (isNullPath(path))
        return {};
    const auto device = properties(path, nm::kDeviceInterface);
    if (!device)
        return {};
    const QString ipInterface = device->value(QStringLiteral("IpInterface")).toString();
    return ipInterface.isEmpty() ? device->value(QStringLiteral("Interface")).toString() : ipInterface;
}

std::optional<QVariantMap> NmReader::properties(const QString& path, const QString& interface) const
{
    const auto reply = call(path, nm::kPropertiesInterface, QStringLiteral("GetAll"), {interface});
    return reply ? std::optional(qdbus_cast<QVariantMap>(*reply)) : std::nullopt;
}

std::optional<QVariant> NmReader::call(const QString& path, const QString& interface, const QString& method,
                                       const QVariantList& arguments) const
{
    QDBusMessage message = QDBusMessage::createMethodCall(nm::kService, path, interface, method);
    message.setArguments(arguments);
    const QDBusMessage reply = bus_.call(message, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    return reply.arguments().constFirst();
}

} // namespace zrt
