#pragma once

#include <QDBusAbstractInterface>
#include <QDBusConnection>
#include <QProcess>
#include <QString>

#include <memory>
#include <optional>

namespace zrt::test {

// One interface of an object on the bus, called as a QDBusInterface is but
// without asking the object to describe itself first (Qt caches those
// descriptions for the life of the process).
class BusObject final : public QDBusAbstractInterface {
public:
    BusObject(const QString& service, const QString& path, const QString& interface,
              const QDBusConnection& connection)
        : QDBusAbstractInterface(service, path, interface.toUtf8().constData(), connection, nullptr)
    {
    }
};

// A private D-Bus daemon, and python-dbusmock serving a template of a
// system service on it, for tests of code that talks to that service. The
// daemon and the mock end with the object.
class MockBus {
public:
    // Why no mock bus can run on this machine; nullopt when one can.
    static std::optional<QString> missingTools();

    // Starts the daemon; isRunning() tells whether it did.
    MockBus();
    ~MockBus();

    MockBus(const MockBus&) = delete;
    MockBus& operator=(const MockBus&) = delete;

    bool isRunning() const { return !address_.isEmpty(); }
    const QString& address() const { return address_; }
    // A connection of the test's own to the bus.
    const QDBusConnection& connection() const { return connection_; }

    // Starts `python3 -m dbusmock --template NAME` and waits until it owns
    // the service's name on the bus.
    bool startTemplate(const QString& templateName, const QString& serviceName);
    // Ends the mock and waits until its name is gone from the bus.
    bool stopTemplate();

    // The mock's control interface (org.freedesktop.DBus.Mock) on an object.
    std::unique_ptr<BusObject> mockOf(const QString& path) const;
    // An interface of an object the mock serves.
    std::unique_ptr<BusObject> objectOf(const QString& path, const QString& interface) const;

private:
    bool isServiceRegistered() const;

    QProcess daemon_;
    QProcess template_;
    QString address_;
    QString serviceName_;
    QDBusConnection connection_;
};

} // namespace zrt::test
