// The NetworkManager backend against python-dbusmock's NetworkManager on a
// private bus. The mock has no modem device: an Ethernet device whose IP
// interface is ppp0 stands in for one.
#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"

#include "dialup/dialup_factory.h"
#include "dialup/network_manager_dialup.h"
#include "dialup/networkmanager/nm_names.h"
#include "dialup/networkmanager/nm_profile.h"
#include "tests/support/mock_bus.h"

#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace zrt::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using test::MockBus;

constexpr int kWaitMs = 10'000;
const QString kGsm = QStringLiteral("gsm");
const QString kWifi = QStringLiteral("802-11-wireless");
constexpr uint kActivating = 1;
constexpr uint kActivated = 2;
constexpr uint kDeactivated = 4;
constexpr int kDeviceActivated = 100;

class NetworkManagerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        skipReason_ = MockBus::missingTools();
        if (skipReason_)
            return;
        bus_ = std::make_unique<MockBus>();
        if (!bus_->isRunning()) {
            skipReason_ = QStringLiteral("dbus-daemon did not start");
            return;
        }
        // Read by QDBusConnection::systemBus(), which the factory uses.
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", bus_->address().toUtf8());
        qDBusRegisterMetaType<NmSettings>();
    }

    static void TearDownTestSuite() { bus_.reset(); }

    void SetUp() override
    {
        if (skipReason_)
            GTEST_SKIP() << skipReason_->toStdString();
        startNetworkManager();
    }

    void TearDown() override
    {
        dialUp_.reset();
        if (bus_)
            bus_->stopTemplate();
    }

    void startNetworkManager()
    {
        ASSERT_TRUE(bus_->startTemplate(QStringLiteral("networkmanager"), nm::kService));
        mock_ = bus_->mockOf(nm::kManagerPath);
        modem_ = addDevice(QStringLiteral("modem"), QStringLiteral("ttyUSB0"));
        ethernet_ = addDevice(QStringLiteral("ethernet"), QStringLiteral("eth0"));
        setProperty(modem_, nm::kDeviceInterface, QStringLiteral("IpInterface"), QStringLiteral("ppp0"));
    }

    QString addDevice(const QString& name, const QString& interfaceName)
    {
        const QDBusReply<QString> path =
            mock_->call(QStringLiteral("AddEthernetDevice"), name, interfaceName, kDeviceActivated);
        EXPECT_TRUE(path.isValid()) << path.error().message().toStdString();
        return path.value();
    }

    QString addProfile(const QString& id, const QString& type, int metered = 0)
    {
        const NmSettings settings{{QStringLiteral("connection"),
                                   {{QStringLiteral("id"), id},
                                    {QStringLiteral("type"), type},
                                    {QStringLiteral("metered"), metered}}}};
        const QDBusReply<QDBusObjectPath> path =
            bus_->objectOf(nm::kSettingsPath, nm::kSettingsInterface)
                ->call(QStringLiteral("AddConnection"), QVariant::fromValue(settings));
        EXPECT_TRUE(path.isValid()) << path.error().message().toStdString();
        return path.value().path();
    }

    void updateProfile(const QString& profile, const QVariantMap& connectionSettings)
    {
        const NmSettings settings{{QStringLiteral("connection"), connectionSettings}};
        bus_->objectOf(profile, nm::kProfileInterface)->call(QStringLiteral("Update"), QVariant::fromValue(settings));
    }

    // An active connection of the profile on the device, named by `number`.
    QString activate(const QString& profile, const QString& device, const QString& number, uint state = kActivated)
    {
        const QDBusReply<QString> path = mock_->call(QStringLiteral("AddActiveConnection"), QStringList{device},
                                                     profile, QStringLiteral("/"), number, state);
        EXPECT_TRUE(path.isValid()) << path.error().message().toStdString();
        return path.value();
    }

    void setProperty(const QString& path, const QString& interface, const QString& name, const QVariant& value)
    {
        mock_->call(QStringLiteral("SetProperty"), path, interface, name, QVariant::fromValue(QDBusVariant(value)));
    }

    void setState(const QString& active, uint state)
    {
        setProperty(active, nm::kActiveInterface, QStringLiteral("State"), state);
    }

    NetworkManagerDialUp& dialUp()
    {
        if (!dialUp_) {
            dialUp_ = std::make_unique<NetworkManagerDialUp>(bus_->connection());
            dialUp_->watch([this] { ++changes_; });
        }
        return *dialUp_;
    }

    // Runs the action, then waits for the service's next change notification.
    bool changesAfter(const std::function<void()>& action)
    {
        const int before = changes_;
        action();
        return QTest::qWaitFor([&] { return changes_ > before; }, kWaitMs);
    }

    bool eventually(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, kWaitMs); }

    inline static std::unique_ptr<MockBus> bus_;
    inline static std::optional<QString> skipReason_;
    std::unique_ptr<test::BusObject> mock_;
    QString modem_;
    QString ethernet_;
    std::unique_ptr<NetworkManagerDialUp> dialUp_;
    int changes_ = 0;
};

struct ProfileRow {
    const char* id;
    QString type;
    int metered;
    bool listed;
};

const ProfileRow kProfiles[] = {
    {"TIM", kGsm, 0, true},
    {"Verizon", QStringLiteral("cdma"), 0, true},
    {"Libero DSL", QStringLiteral("pppoe"), 0, true},
    {"Telefono", QStringLiteral("bluetooth"), 0, true},
    {"ADSL", QStringLiteral("adsl"), 0, true},
    {"Hotspot", kWifi, nm::kMeteredYes, true},
    {"Casa", kWifi, 0, false},
    {"Ufficio", QStringLiteral("802-3-ethernet"), 2, false}, // metered: no
};

// Half the profiles exist before the service starts, half come after.
TEST_F(NetworkManagerTest, ListsTheProfilesOfMeteredLinksAndFollowsThemAddedChangedAndRemoved)
{
    std::map<std::string, QString> paths;
    std::vector<std::string> listed;
    for (std::size_t i = 0; i < std::size(kProfiles); ++i) {
        const ProfileRow& row = kProfiles[i];
        if (i == std::size(kProfiles) / 2)
            dialUp();
        const auto add = [&] { paths[row.id] = addProfile(QString::fromUtf8(row.id), row.type, row.metered); };
        if (dialUp_)
            ASSERT_TRUE(changesAfter(add)) << row.id;
        else
            add();
        if (row.listed)
            listed.push_back(row.id);
    }
    std::ranges::sort(listed);
    EXPECT_EQ(dialUp().entries(), listed);
    EXPECT_TRUE(dialUp().watchesEvents());

    ASSERT_TRUE(changesAfter([&] { updateProfile(paths["Casa"], {{QStringLiteral("metered"), nm::kMeteredYes}}); }));
    ASSERT_TRUE(changesAfter([&] { bus_->objectOf(paths["TIM"], nm::kProfileInterface)->call(QStringLiteral("Delete")); }));
    std::erase(listed, "TIM");
    listed.push_back("Casa");
    std::ranges::sort(listed);
    EXPECT_EQ(dialUp().entries(), listed);
}

// A call ends when NetworkManager drops it from its list, or when its state
// says it is over before that.
TEST_F(NetworkManagerTest, FollowsACallFromActivationToItsEnd)
{
    const std::pair<const char*, std::function<void(const QString&)>> endings[] = {
        {"removed",
         [this](const QString& active) { mock_->call(QStringLiteral("RemoveActiveConnection"), modem_, active); }},
        {"deactivated", [this](const QString& active) { setState(active, kDeactivated); }},
    };
    const QString tim = addProfile(QStringLiteral("TIM"), kGsm);
    const QString casa = addProfile(QStringLiteral("Casa"), kWifi);
    activate(casa, ethernet_, QStringLiteral("wifi"));
    dialUp();
    int number = 0;
    for (const auto& [how, end] : endings) {
        SCOPED_TRACE(how);
        QString active;
        ASSERT_TRUE(changesAfter([&] {
            active = activate(tim, modem_, QString::number(++number), kActivating);
        }));
        EXPECT_FALSE(dialUp().isDialUpActive()) << "the Wi-Fi line and a call being dialled are not metered";
        EXPECT_FALSE(dialUp().isEntryConnected("TIM"));
        EXPECT_THAT(dialUp().connectedEntries({"Casa", "TIM"}), IsEmpty());

        ASSERT_TRUE(changesAfter([&] { setState(active, kActivated); }));
        EXPECT_TRUE(dialUp().isDialUpActive());
        EXPECT_TRUE(dialUp().isEntryConnected("TIM"));
        EXPECT_FALSE(dialUp().isEntryConnected("Casa"));
        EXPECT_THAT(dialUp().connectedEntries({"Casa", "TIM"}), ElementsAre("TIM"));
        EXPECT_EQ(dialUp().connectionOf("TIM"), (ConnectionIdentity{"ppp0", active.toStdString()}));

        ASSERT_TRUE(changesAfter([&] { end(active); }));
        EXPECT_FALSE(dialUp().isDialUpActive());
        EXPECT_FALSE(dialUp().isEntryConnected("TIM"));
        EXPECT_EQ(dialUp().connectionOf("TIM"), std::nullopt);
    }
}

TEST_F(NetworkManagerTest, HangUpDeactivatesTheCallsAndLeavesTheOtherLinesUp)
{
    const QString wifi = activate(addProfile(QStringLiteral("Casa"), kWifi), ethernet_, QStringLiteral("wifi"));
    activate(addProfile(QStringLiteral("TIM"), kGsm), modem_, QStringLiteral("call"));
    ASSERT_TRUE(dialUp().isEntryConnected("TIM"));

    ASSERT_TRUE(changesAfter([&] { dialUp().hangUpAll(); }));
    ASSERT_TRUE(eventually([&] { return !dialUp().isDialUpActive(); }));
    EXPECT_EQ(dialUp().takeHangUpRefusal(), std::nullopt);
    const QDBusReply<QDBusVariant> stillActive = bus_->objectOf(nm::kManagerPath, nm::kPropertiesInterface)
                                                     ->call(QStringLiteral("Get"), nm::kManagerInterface,
                                                            QStringLiteral("ActiveConnections"));
    EXPECT_THAT(qdbus_cast<QList<QDBusObjectPath>>(stillActive.value().variant()),
                ElementsAre(QDBusObjectPath(wifi)));
}

TEST_F(NetworkManagerTest, ARefusedHangUpIsHandedToTheUserOnceAndLogged)
{
    activate(addProfile(QStringLiteral("TIM"), kGsm), modem_, QStringLiteral("call"));
    mock_->call(QStringLiteral("AddMethod"), nm::kManagerInterface, QStringLiteral("DeactivateConnection"),
                QStringLiteral("o"), QString(),
                QStringLiteral("raise dbus.exceptions.DBusException('Not authorized to deactivate connections', "
                               "name='org.freedesktop.DBus.Error.AccessDenied')"));
    LogCapture log;

    ASSERT_TRUE(changesAfter([&] { dialUp().hangUpAll(); }));

    EXPECT_EQ(dialUp().takeHangUpRefusal(),
              "Impossibile chiudere la connessione: Not authorized to deactivate connections");
    EXPECT_EQ(dialUp().takeHangUpRefusal(), std::nullopt);
    EXPECT_TRUE(dialUp().isEntryConnected("TIM"));
    EXPECT_THAT(log.lines(), ElementsAre(HasSubstr("Not authorized")));
}

// While NetworkManager is away the call stays as last seen: restarting it
// does not drop the line. When it is back it tells again.
TEST_F(NetworkManagerTest, NetworkManagerGoingAwayDuringACallIsReportedAndItsReturnRecovered)
{
    for (const bool callSurvives : {true, false}) {
        SCOPED_TRACE(callSurvives ? "the call survives" : "the call ended meanwhile");
        const QString profile = addProfile(QStringLiteral("TIM"), kGsm);
        const QString active = activate(profile, modem_, QStringLiteral("call"));
        ASSERT_TRUE(dialUp().isEntryConnected("TIM"));
        ASSERT_TRUE(dialUp().availability().isAvailable());

        ASSERT_TRUE(changesAfter([&] { ASSERT_TRUE(bus_->stopTemplate()); }));
        EXPECT_EQ(dialUp().availability().state, DialUpAvailability::State::ServiceMissing);
        EXPECT_EQ(dialUp().availability().message, "NetworkManager non è in esecuzione.");
        EXPECT_TRUE(dialUp().isEntryConnected("TIM"));
        EXPECT_THAT(dialUp().entries(), ElementsAre("TIM"));
        const LogCapture log;
        dialUp().hangUpAll();
        EXPECT_EQ(dialUp().takeHangUpRefusal(),
                  "Impossibile chiudere la connessione: NetworkManager non è in esecuzione.");

        ASSERT_TRUE(changesAfter([&] { startNetworkManager(); }));
        const QString sameProfile = addProfile(QStringLiteral("TIM"), kGsm);
        if (callSurvives)
            activate(sameProfile, modem_, QStringLiteral("call"));
        ASSERT_TRUE(eventually([&] { return dialUp().isEntryConnected("TIM") == callSurvives; }));
        EXPECT_TRUE(dialUp().availability().isAvailable());
        if (callSurvives) {
            EXPECT_EQ(dialUp().connectionOf("TIM"), (ConnectionIdentity{"ppp0", active.toStdString()}));
        }

        dialUp_.reset();
        bus_->stopTemplate();
        startNetworkManager();
    }
}

TEST_F(NetworkManagerTest, ACallKeepsTheNameItBeganUnderWhileTheProfileIsRenamed)
{
    const QString profile = addProfile(QStringLiteral("TIM"), kGsm);
    const QString active = activate(profile, modem_, QStringLiteral("call"));
    ASSERT_TRUE(dialUp().isEntryConnected("TIM"));

    ASSERT_TRUE(changesAfter([&] { updateProfile(profile, {{QStringLiteral("id"), QStringLiteral("TIM Casa")}}); }));

    EXPECT_THAT(dialUp().entries(), ElementsAre("TIM Casa"));
    EXPECT_TRUE(dialUp().isEntryConnected("TIM"));
    EXPECT_TRUE(dialUp().isEntryConnected("TIM Casa"));
    EXPECT_EQ(dialUp().connectionOf("TIM"), dialUp().connectionOf("TIM Casa"));
    EXPECT_THAT(dialUp().connectedEntries({"TIM Casa", "Casa", "TIM"}), ElementsAre("TIM Casa", "TIM"));

    ASSERT_TRUE(changesAfter([&] { mock_->call(QStringLiteral("RemoveActiveConnection"), modem_, active); }));
    EXPECT_FALSE(dialUp().isEntryConnected("TIM"));
    ASSERT_TRUE(changesAfter([&] { activate(profile, modem_, QStringLiteral("redial")); }));
    EXPECT_FALSE(dialUp().isEntryConnected("TIM"));
    EXPECT_TRUE(dialUp().isEntryConnected("TIM Casa"));
}

// "auto" adds pppd's peers, read from the folder the environment names.
TEST_F(NetworkManagerTest, TheFactoryKindsFindNetworkManagerOnTheSystemBus)
{
    addProfile(QStringLiteral("TIM"), kGsm);
    TempDir peers;
    std::ofstream(peers.path() / "provider") << "noauth\n";
    ::setenv("ZRTELLIX_PEERS_DIR", peers.path().c_str(), 1);
    const auto automatic = makeDialUpService("auto");
    ::unsetenv("ZRTELLIX_PEERS_DIR");
    const auto networkManager = makeDialUpService("nm");

    ASSERT_NE(automatic.service, nullptr);
    ASSERT_NE(networkManager.service, nullptr);
    EXPECT_THAT(automatic.service->entries(), ElementsAre("TIM", "provider"));
    EXPECT_THAT(networkManager.service->entries(), ElementsAre("TIM"));
}

TEST(NetworkManagerWithoutBus, ReportsNetworkManagerMissingAndHasNothingToWatch)
{
    NetworkManagerDialUp dialUp{QDBusConnection(QStringLiteral("never connected"))};
    dialUp.watch([] {});

    EXPECT_EQ(dialUp.availability().message, "NetworkManager non è in esecuzione.");
    EXPECT_THAT(dialUp.entries(), IsEmpty());
    EXPECT_FALSE(dialUp.isDialUpActive());
    EXPECT_TRUE(dialUp.watchesEvents());
}

} // namespace
} // namespace zrt::test
