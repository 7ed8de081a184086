#pragma once

#include <QFileSystemWatcher>

#include <filesystem>
#include <functional>
#include <vector>

namespace zrt {

// Calls back when one of the watched files or folders changes, appears or
// goes. QFileSystemWatcher alone loses a file that is replaced (editors and
// `mv` write a new one) or that does not exist yet; this watch puts every
// path back after each change, and watches the nearest existing folder
// above a path that is missing, so that its creation is seen too.
class PathWatch {
public:
    PathWatch(std::vector<std::filesystem::path> paths, std::function<void()> changed);

    // False when the system refused a watch; the refusal is logged.
    bool isWatching() const { return watching_; }

private:
    void arm();
    void onChange();

    std::vector<std::filesystem::path> paths_;
    std::function<void()> changed_;
    QFileSystemWatcher watcher_;
    bool watching_ = true;
};

} // namespace zrt
