#include "path_watch.h"

#include "dialup_log.h"

#include <QStringList>

#include <system_error>
#include <utility>

namespace zrt {

namespace fs = std::filesystem;

namespace {

// The path itself when it exists, else the closest folder above it that does.
fs::path nearestExisting(const fs::path& path)
{
    std::error_code ignored;
    fs::path existing = fs::absolute(path, ignored).lexically_normal();
    if (!existing.has_filename()) // a trailing separator
        existing = existing.parent_path();
    while (!fs::exists(existing, ignored) && existing.has_relative_path())
        existing = existing.parent_path();
    return existing;
}

QString qtPath(const fs::path& path)
{
    return QString::fromStdString(path.string());
}

} // namespace

PathWatch::PathWatch(std::vector<fs::path> paths, std::function<void()> changed)
    : paths_(std::move(paths))
    , changed_(std::move(changed))
{
    QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged, &watcher_, [this] { onChange(); });
    QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, &watcher_, [this] { onChange(); });
    arm();
}

void PathWatch::onChange()
{
    arm();
    changed_();
}

// Watches are dropped and made again: a file replaced since the last change
// is a new file under the old name, which the old watch does not see.
void PathWatch::arm()
{
    const QStringList watched = watcher_.files() + watcher_.directories();
    if (!watched.isEmpty())
        watcher_.removePaths(watched);
    QStringList wanted;
    for (const fs::path& path : paths_) {
        const QString target = qtPath(nearestExisting(path));
        if (!wanted.contains(target))
            wanted.append(target);
    }
    const QStringList refused = watcher_.addPaths(wanted);
    if (refused.isEmpty() || !watching_)
        return;
    watching_ = false;
    logDialUpProblem("cannot watch " + refused.join(QStringLiteral(", ")).toStdString()
                     + " for changes; checking once a second instead");
}

} // namespace zrt
