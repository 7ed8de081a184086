#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

namespace zrt {

// A second start of the windowed program on the same database asks the
// running meter to bring its strip to the front, over a local socket named
// from the database file's real path, in the user's runtime folder.

// Where the meter on databasePath listens; runtimeFolder empty: the user's
// runtime folder, or the database's folder where there is none.
QString showSocketPath(const QString& databasePath, const QString& runtimeFolder = {});

// Asks the meter listening on socketPath to show its strip; true once it
// answered that it did. A socket owned by another user is never spoken to.
bool requestShow(const QString& socketPath);

// The running meter's end: answers each request and says so with
// showRequested(). The socket file goes with the object.
class ShowListener : public QObject {
    Q_OBJECT

public:
    explicit ShowListener(QString socketPath, QObject* parent = nullptr);
    ~ShowListener() override;

    // Binds the socket. A file left by a meter that died is replaced; one
    // owned by another user, or that something else answers on, is left
    // alone and false returned.
    bool listen();

signals:
    void showRequested();

private:
    bool bindSocket();
    bool removeStaleSocket();
    void answer();

    QString path_;
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace zrt
