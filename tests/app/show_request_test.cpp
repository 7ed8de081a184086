#include "app/show_request.h"

#include "tests/support/scratch_database.h"
#include "tests/support/temp_dir.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <future>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace zrt::test {
namespace {

constexpr int kWaitMs = 10000;

// Asks for the window from another thread, as another program would,
// while this one's event loop lets the listener answer.
bool requestShowAnswered(const QString& socketPath)
{
    std::future<bool> answer = std::async(std::launch::async, [socketPath] { return requestShow(socketPath); });
    const QDeadlineTimer deadline(kWaitMs);
    while (answer.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return answer.get();
}

// A socket file nobody listens on any more, as a meter that died leaves it.
void leaveDeadSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), name.size());
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::close(fd);
}

// What is at the socket's path before the meter starts listening.
TEST(ShowListener, ListensUnlessTheSocketIsSomeoneElsesAndAnswersEachRequest)
{
    const bool root = ::geteuid() == 0;
    const struct { const char* name; std::function<void(const QString&)> before; bool listens; } cases[] = {
        {"nothing", [](const QString&) {}, true},
        {"a dead meter's socket", leaveDeadSocket, true},
        {"a plain file", [](const QString& path) { QFile(path).open(QIODevice::WriteOnly); }, false},
        {"another user's socket", [](const QString& path) {
             leaveDeadSocket(path);
             (void)::chown(QFile::encodeName(path).constData(), 4242, 4242);
         }, !root},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TempDir folder;
        const QString path = QString::fromStdString((folder.path() / "meter.sock").string());
        c.before(path);
        {
            ShowListener listener(path);
            QSignalSpy shown(&listener, &ShowListener::showRequested);
            ASSERT_EQ(listener.listen(), c.listens);
            EXPECT_EQ(requestShowAnswered(path), c.listens);
            EXPECT_EQ(requestShowAnswered(path), c.listens) << "every request is answered";
            EXPECT_EQ(shown.count(), c.listens ? 2 : 0);
        }
        EXPECT_EQ(QFile::exists(path), !c.listens) << "the listener's own socket goes with it, no one else's";
    }
}

TEST(ShowListener, ASecondListenerOnTheSameSocketIsRefused)
{
    const TempDir folder;
    const QString path = QString::fromStdString((folder.path() / "meter.sock").string());
    ShowListener first(path);
    ASSERT_TRUE(first.listen());
    ShowListener second(path);
    EXPECT_FALSE(second.listen());
    EXPECT_TRUE(requestShowAnswered(path)) << "the first still answers";
}

TEST(ShowSocketPath, OneSocketPerDatabaseFileWhateverLeadsToIt)
{
    const TempDir root;
    const QString base = QString::fromStdString(root.path().string());
    QDir(base).mkpath(QStringLiteral("a"));
    QDir(base).mkpath(QStringLiteral("b"));
    for (const char* file : {"a/zrtell.T99", "b/zrtell.T99"})
        QFile(base + QLatin1Char('/') + QLatin1String(file)).open(QIODevice::WriteOnly);
    QFile::link(base + QStringLiteral("/a"), base + QStringLiteral("/link"));
    const QString runtime = QStringLiteral("/run/user/1000");

    const QString a = showSocketPath(base + QStringLiteral("/a/zrtell.T99"), runtime);
    EXPECT_TRUE(a.startsWith(runtime + QLatin1Char('/'))) << a.toStdString();
    EXPECT_EQ(showSocketPath(base + QStringLiteral("/link/zrtell.T99"), runtime), a);
    EXPECT_EQ(showSocketPath(base + QStringLiteral("/a/../a/zrtell.T99"), runtime), a);
    EXPECT_NE(showSocketPath(base + QStringLiteral("/b/zrtell.T99"), runtime), a);
}

// The windowed program on the offscreen platform, with its own settings
// and runtime folders.
class SecondStart : public testing::Test {
protected:
    SecondStart()
    {
        QFile entries(QString::fromStdString((simFolder.path() / "entries").string()));
        entries.open(QIODevice::WriteOnly);
        entries.write("Casa\n");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("zrtellix.show=true"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(home.path().string()));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(home.path().string()));
        environment.insert(QStringLiteral("HOME"), QString::fromStdString(home.path().string()));
        first.setProcessEnvironment(environment);
        second.setProcessEnvironment(environment);
        first.setProcessChannelMode(QProcess::MergedChannels);
    }
    ~SecondStart() override
    {
        first.terminate();
        first.waitForFinished(kWaitMs);
    }

    QStringList arguments(const QStringList& extra = {}) const
    {
        return extra + QStringList{QStringLiteral("--dialup"),
                                   QStringLiteral("sim:") + QString::fromStdString(simFolder.path().string()),
                                   QStringLiteral("--data-dir"), scratch.folder()};
    }

    // Reads what the first program says until a line holds `text`.
    bool firstSays(const char* text)
    {
        const QDeadlineTimer deadline(kWaitMs);
        while (!deadline.hasExpired()) {
            while (first.canReadLine()) {
                if (first.readLine().contains(text))
                    return true;
            }
            if (first.state() == QProcess::NotRunning)
                return false;
            first.waitForReadyRead(100);
        }
        return false;
    }

    int secondExitCode(const QStringList& extra = {})
    {
        second.start(QStringLiteral(ZRTELLIX_PATH), arguments(extra));
        return second.waitForFinished(kWaitMs) ? second.exitCode() : -1;
    }

    ScratchDatabase scratch;
    TempDir simFolder;
    TempDir home;
    QProcess first;
    QProcess second;
};

TEST_F(SecondStart, BringsTheRunningWindowToTheFrontAndEnds)
{
    const struct { const char* name; QStringList firstOptions; QStringList secondOptions; int status; bool shown; } cases[] = {
        {"a second start", {}, {}, 0, true},
        {"--show", {}, {QStringLiteral("--show")}, 0, true},
        {"a headless meter runs", {QStringLiteral("--headless")}, {}, 3, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        first.start(QStringLiteral(ZRTELLIX_PATH), arguments(c.firstOptions));
        ASSERT_TRUE(firstSays(c.shown ? "listening for show requests" : "Non connesso"));
        EXPECT_EQ(secondExitCode(c.secondOptions), c.status);
        if (c.shown) {
            EXPECT_TRUE(firstSays("another start asked for the window"));
        }
        first.terminate();
        ASSERT_TRUE(first.waitForFinished(kWaitMs));
    }
}

} // namespace
} // namespace zrt::test
