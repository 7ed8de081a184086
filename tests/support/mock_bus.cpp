#include "mock_bus.h"

#include <QDBusConnectionInterface>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

namespace zrt::test {

namespace {

const QString kPython = QStringLiteral("/usr/bin/python3");
constexpr int kStartTimeoutMs = 15'000;
const QString kConnectionName = QStringLiteral("zrt-mock-bus");

void endProcess(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.kill();
    process.waitForFinished();
}

} // namespace

std::optional<QString> MockBus::missingTools()
{
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
        return QStringLiteral("dbus-daemon is not installed (Debian package dbus-daemon)");
    QProcess probe;
    probe.start(kPython, {QStringLiteral("-c"), QStringLiteral("import dbusmock")});
    if (!probe.waitForFinished(kStartTimeoutMs) || probe.exitStatus() != QProcess::NormalExit
        || probe.exitCode() != 0)
        return QStringLiteral("python-dbusmock is not installed (Debian package python3-dbusmock)");
    return std::nullopt;
}

MockBus::MockBus()
    : connection_(QString())
{
    daemon_.start(QStringLiteral("dbus-daemon"),
                  {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
    if (!daemon_.waitForReadyRead(kStartTimeoutMs))
        return;
    address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
    connection_ = QDBusConnection::connectToBus(address_, kConnectionName);
    if (!connection_.isConnected())
        address_.clear();
}

MockBus::~MockBus()
{
    endProcess(template_);
    QDBusConnection::disconnectFromBus(kConnectionName);
    endProcess(daemon_);
}

bool MockBus::startTemplate(const QString& templateName, const QString& serviceName)
{
    serviceName_ = serviceName;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), address_);
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address_);
    template_.setProcessEnvironment(environment);
    template_.setStandardOutputFile(QProcess::nullDevice());
    template_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    template_.start(kPython, {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--template"),
                              templateName});
    return template_.waitForStarted(kStartTimeoutMs)
        && QTest::qWaitFor([this] { return isServiceRegistered(); }, kStartTimeoutMs);
}

bool MockBus::stopTemplate()
{
    endProcess(template_);
    return QTest::qWaitFor([this] { return !isServiceRegistered(); }, kStartTimeoutMs);
}

std::unique_ptr<BusObject> MockBus::mockOf(const QString& path) const
{
    return objectOf(path, QStringLiteral("org.freedesktop.DBus.Mock"));
}

std::unique_ptr<BusObject> MockBus::objectOf(const QString& path, const QString& interface) const
{
    return std::make_unique<BusObject>(serviceName_, path, interface, connection_);
}

bool MockBus::isServiceRegistered() const
{
    return connection_.interface()->isServiceRegistered(serviceName_).value();
}

} // namespace zrt::test
