#include "text_file.h"

#include "dialup_log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <mutex>
#include <set>

namespace zrt {

namespace {

constexpr std::size_t kReadChunk = 4096;
constexpr char kNotRegular[] = "it is not a regular file";

// The paths refused and not read since, so that a file checked every
// second is logged once, not every second.
class RefusedPaths {
public:
    bool add(const std::string& path)
    {
        const std::lock_guard lock(mutex_);
        return paths_.insert(path).second;
    }

    void remove(const std::string& path)
    {
        const std::lock_guard lock(mutex_);
        paths_.erase(path);
    }

private:
    std::mutex mutex_;
    std::set<std::string> paths_;
};

RefusedPaths& refusedPaths()
{
    static RefusedPaths paths;
    return paths;
}

std::nullopt_t refuse(const std::filesystem::path& path, const std::string& why)
{
    if (refusedPaths().add(path.string()))
        logDialUpProblem("not reading " + path.string() + ": " + why);
    return std::nullopt;
}

class OpenFile {
public:
    explicit OpenFile(const std::filesystem::path& path)
        : descriptor_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY))
    {
    }
    ~OpenFile()
    {
        if (descriptor_ >= 0)
            ::close(descriptor_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    bool isOpen() const { return descriptor_ >= 0; }
    int descriptor() const { return descriptor_; }

private:
    int descriptor_;
};

// Up to `limit` bytes, asking for `sizeHint` of them at once; nullopt on a
// read error.
std::optional<std::string> readUpTo(int descriptor, std::size_t limit, std::size_t sizeHint)
{
    std::string text;
    for (;;) {
        const std::size_t done = text.size();
        if (done >= limit)
            return text;
        text.resize(std::min(limit, std::max(done + kReadChunk, sizeHint + 1)));
        const ssize_t count = ::read(descriptor, text.data() + done, text.size() - done);
        if (count < 0 && errno == EINTR) {
            text.resize(done);
            continue;
        }
        if (count < 0)
            return std::nullopt;
        text.resize(done + static_cast<std::size_t>(count));
        if (count == 0)
            return text;
    }
}

std::string tooLong(std::size_t maxBytes)
{
    return "it holds more than " + std::to_string(maxBytes) + " bytes";
}

} // namespace

std::optional<std::string> readTextFile(const std::filesystem::path& path, std::size_t maxBytes)
{
    // Opening a device can act on it (a serial line raises its modem
    // signals), so only what looks like a regular file is opened at all.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    if (!S_ISREG(status.st_mode))
        return refuse(path, kNotRegular);

    const OpenFile file(path);
    if (!file.isOpen() || ::fstat(file.descriptor(), &status) != 0)
        return std::nullopt;
    if (!S_ISREG(status.st_mode)) // replaced since it was looked at
        return refuse(path, kNotRegular);
    if (static_cast<std::size_t>(status.st_size) > maxBytes)
        return refuse(path, tooLong(maxBytes));

    auto text = readUpTo(file.descriptor(), maxBytes + 1, static_cast<std::size_t>(status.st_size));
    if (!text)
        return std::nullopt;
    if (text->size() > maxBytes)
        return refuse(path, tooLong(maxBytes));
    refusedPaths().remove(path.string());
    return text;
}

} // namespace zrt
