#include "show_request.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace zrt {

namespace {

Q_LOGGING_CATEGORY(showLog, "zrtellix.show")

const QByteArray kRequest = QByteArrayLiteral("show\n");
const QByteArray kAnswer = QByteArrayLiteral("shown\n");
// Both ends are on this machine; one that does not answer by then never will.
constexpr int kAnswerTimeoutMs = 2000;

std::optional<sockaddr_un> socketAddress(const QString& path)
{
    const QByteArray encoded = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (encoded.size() >= static_cast<qsizetype>(sizeof address.sun_path)) {
        qCWarning(showLog) << "the socket path is too long:" << path;
        return std::nullopt;
    }
    std::memcpy(address.sun_path, encoded.constData(), encoded.size());
    return address;
}

// A socket file another user made is theirs: this user's meter cannot be
// behind it.
bool ownedByThisUser(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISSOCK(status.st_mode)
        && status.st_uid == ::geteuid();
}

void setTimeouts(int fd)
{
    const timeval timeout{kAnswerTimeoutMs / 1000, (kAnswerTimeoutMs % 1000) * 1000};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
}

// Reads up to the end of a line, or what came before the peer stopped.
QByteArray readLine(int fd)
{
    QByteArray line;
    char c = 0;
    while (line.size() < 64 && ::read(fd, &c, 1) == 1) {
        line.append(c);
        if (c == '\n')
            break;
    }
    return line;
}

bool writeAll(int fd, const QByteArray& data)
{
    return ::send(fd, data.constData(), data.size(), MSG_NOSIGNAL) == data.size();
}

// A connected socket, or -1 with errno telling why not.
int connectTo(const sockaddr_un& address)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

} // namespace

QString showSocketPath(const QString& databasePath, const QString& runtimeFolder)
{
    const QFileInfo database(databasePath);
    const QString real = database.canonicalFilePath().isEmpty() ? database.absoluteFilePath()
                                                                : database.canonicalFilePath();
    QString folder = runtimeFolder.isEmpty() ? qEnvironmentVariable("XDG_RUNTIME_DIR") : runtimeFolder;
    if (folder.isEmpty())
        folder = QFileInfo(real).absolutePath();
    const QByteArray hash = QCryptographicHash::hash(QFile::encodeName(real), QCryptographicHash::Sha256);
    return QDir(folder).filePath(QStringLiteral("zrtellix-%1.sock").arg(QString::fromLatin1(hash.toHex().left(16))));
}

bool requestShow(const QString& socketPath)
{
    const std::optional<sockaddr_un> address = socketAddress(socketPath);
    if (!address || !ownedByThisUser(socketPath))
        return false;
    const int fd = connectTo(*address);
    if (fd < 0)
        return false;
    setTimeouts(fd);
    const bool shown = writeAll(fd, kRequest) && readLine(fd) == kAnswer;
    ::close(fd);
    return shown;
}

ShowListener::ShowListener(QString socketPath, QObject* parent) : QObject(parent), path_(std::move(socketPath))
{
}

ShowListener::~ShowListener()
{
    if (fd_ < 0)
        return;
    notifier_.reset();
    ::close(fd_);
    ::unlink(QFile::encodeName(path_).constData());
}

bool ShowListener::listen()
{
    if (!bindSocket())
        return false;
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &ShowListener::answer);
    qCInfo(showLog) << "listening for show requests on" << path_;
    return true;
}

bool ShowListener::bindSocket()
{
    const std::optional<sockaddr_un> address = socketAddress(path_);
    if (!address)
        return false;
    fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd_ < 0)
        return false;
    const auto bound = [&] {
        return ::bind(fd_, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0;
    };
    if ((bound() || (errno == EADDRINUSE && removeStaleSocket() && bound())) && ::listen(fd_, 4) == 0)
        return true;
    qCWarning(showLog) << "cannot listen on" << path_ << "-" << qt_error_string(errno);
    ::close(fd_);
    fd_ = -1;
    return false;
}

// Only a socket of this user that nobody answers on is stale.
bool ShowListener::removeStaleSocket()
{
    if (!ownedByThisUser(path_)) {
        qCWarning(showLog) << path_ << "is not a socket of this user; it is left alone";
        errno = EADDRINUSE;
        return false;
    }
    const int fd = connectTo(*socketAddress(path_));
    if (fd >= 0 || errno != ECONNREFUSED) {
        if (fd >= 0)
            ::close(fd);
        errno = EADDRINUSE;
        return false;
    }
    return ::unlink(QFile::encodeName(path_).constData()) == 0;
}

void ShowListener::answer()
{
    const int client = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0)
        return;
    setTimeouts(client);
    if (readLine(client) == kRequest) {
        writeAll(client, kAnswer);
        qCInfo(showLog) << "another start asked for the window";
        emit showRequested();
    }
    ::close(client);
}

} // namespace zrt
