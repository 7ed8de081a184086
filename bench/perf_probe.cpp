// Measures a program from outside, as a user's system sees it, and prints
// the figures as JSON for perf_table:
//
//   perf_probe idle NAME SECONDS -- PROGRAM [ARG...]
//       lets the program settle, then reads its CPU time, its wake-ups
//       (voluntary context switches of its threads) and resident
//       memory from /proc over SECONDS of wall time;
//   perf_probe notice NAME RUNS FOLDER -- PROGRAM [ARG...]
//       for the headless program on the simulated dialer in FOLDER, times
//       each run from writing the entry "Casa" into FOLDER/connected to
//       the status line saying it is connected; runs start at random
//       moments, so a program that asks once a second is caught at any
//       point of its second. The first run only warms the caches; the
//       median and the slowest of the others are printed.
//   perf_probe startup NAME RUNS DATABASE -- PROGRAM [ARG...]
//       on the X display of $DISPLAY, times each run from just before the
//       process is made to the mapping of its first top-level window (the
//       intro) and to the first painting of its second (the main window):
//       the moment its pixels on the screen change. The intro waits on
//       purpose before the start-up step, whose first act is to open
//       DATABASE: the time from the intro shown to that opening is the
//       wait, and the start-up without it is the rest. The first run only
//       warms the caches; the medians of the others are printed.
//
// The program's standard input is /dev/null, its standard output too but
// for `notice`, which reads it; its standard error is ours. It is ended with SIGTERM, as at the end of a desktop login.
#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace zrt {

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr std::chrono::seconds kSettleTime{5};
constexpr std::chrono::seconds kWindowTimeout{30};
constexpr std::chrono::seconds kExitTimeout{10};

const char kUsage[] = "usage: perf_probe idle NAME SECONDS -- PROGRAM [ARG...]\n"
                      "       perf_probe startup NAME RUNS DATABASE -- PROGRAM [ARG...]\n"
                      "       perf_probe notice NAME RUNS FOLDER -- PROGRAM [ARG...]\n";

class ProbeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A program started by the probe; ended with SIGTERM when it goes. Its
// standard output goes to `output`, else to /dev/null.
class Child {
public:
    explicit Child(const std::vector<std::string>& command, int output = -1)
    {
        std::vector<char*> arguments;
        for (const std::string& word : command)
            arguments.push_back(const_cast<char*>(word.c_str()));
        arguments.push_back(nullptr);
        pid_ = ::fork();
        if (pid_ < 0)
            throw ProbeError("cannot start a process");
        if (pid_ == 0) {
            const int null = ::open("/dev/null", O_RDWR);
            ::dup2(null, STDIN_FILENO);
            ::dup2(output >= 0 ? output : null, STDOUT_FILENO);
            ::execvp(arguments[0], arguments.data());
            std::perror(arguments[0]);
            ::_exit(127);
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child() { end(); }

    pid_t pid() const { return pid_; }

    bool running()
    {
        if (exited_)
            return false;
        int status = 0;
        exited_ = ::waitpid(pid_, &status, WNOHANG) == pid_;
        return !exited_;
    }

    // SIGTERM, and SIGKILL if it has not gone after a while.
    void end()
    {
        if (!running())
            return;
        ::kill(pid_, SIGTERM);
        const Clock::time_point deadline = Clock::now() + kExitTimeout;
        while (running() && Clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (running()) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
            exited_ = true;
        }
    }

private:
    pid_t pid_ = -1;
    bool exited_ = false;
};

std::string readFile(const std::string& path)
{
    std::ifstream file(path);
    if (!file)
        throw ProbeError("cannot read " + path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// User and system time of all the process's threads, in clock ticks.
long long cpuTicks(pid_t pid)
{
    const std::string stat = readFile("/proc/" + std::to_string(pid) + "/stat");
    // The fields after the command name, which is in parentheses, start
    // with field 3 (state); utime and stime are fields 14 and 15.
    std::istringstream fields(stat.substr(stat.rfind(')') + 1));
    std::string field;
    long long utime = 0;
    long long stime = 0;
    for (int number = 3; number <= 15 && fields >> field; ++number) {
        if (number == 14)
            utime = std::stoll(field);
        else if (number == 15)
            stime = std::stoll(field);
    }
    return utime + stime;
}

// A line such as "VmRSS:    23456 kB" of /proc/PID/status, in kB.
long long statusKilobytes(pid_t pid, const std::string& key)
{
    std::istringstream status(readFile("/proc/" + std::to_string(pid) + "/status"));
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with(key + ":"))
            return std::stoll(line.substr(key.size() + 1));
    }
    throw ProbeError("no " + key + " for the process");
}

// Voluntary context switches of each of the process's threads: each is a
// wait in the kernel, so an idle program makes one for each wake-up.
std::map<std::string, long long> voluntarySwitches(pid_t pid)
{
    std::map<std::string, long long> switches;
    for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task")) {
        std::istringstream status(readFile(task.path().string() + "/status"));
        std::string line;
        while (std::getline(status, line)) {
            if (line.starts_with("voluntary_ctxt_switches:"))
                switches[task.path().filename().string()] = std::stoll(line.substr(line.find(':') + 1));
        }
    }
    return switches;
}

// The switches made between two readings by the threads alive at the
// second; a thread that ended meanwhile took its count along.
long long switchesBetween(const std::map<std::string, long long>& before,
                          const std::map<std::string, long long>& after)
{
    long long made = 0;
    for (const auto& [thread, count] : after) {
        const auto earlier = before.find(thread);
        made += count - (earlier == before.end() ? 0 : earlier->second);
    }
    return made;
}

void printMeasures(const std::string& name, const std::map<std::string, double>& measures)
{
    std::printf("{\n  \"measures\": {");
    const char* separator = "\n";
    for (const auto& [key, value] : measures) {
        std::printf("%s    \"%s.%s\": %.6g", separator, name.c_str(), key.c_str(), value);
        separator = ",\n";
    }
    std::printf("\n  }\n}\n");
}

// /proc counts in kB of 1024 bytes.
double mebibytes(long long kilobytes)
{
    return static_cast<double>(kilobytes) / 1024.0;
}

void measureIdle(const std::string& name, int seconds, const std::vector<std::string>& command)
{
    Child child(command);
    std::this_thread::sleep_for(kSettleTime);
    if (!child.running())
        throw ProbeError(command.front() + " ended before it could be measured");
    const long long ticksBefore = cpuTicks(child.pid());
    const std::map<std::string, long long> switchesBefore = voluntarySwitches(child.pid());
    const Clock::time_point start = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const long long ticksAfter = cpuTicks(child.pid());
    const long long switches = switchesBetween(switchesBefore, voluntarySwitches(child.pid()));
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    const long long rss = statusKilobytes(child.pid(), "VmRSS");
    const long long peak = statusKilobytes(child.pid(), "VmHWM");
    const long long anonymous = statusKilobytes(child.pid(), "RssAnon");
    const long long fileBacked = statusKilobytes(child.pid(), "RssFile");
    if (!child.running())
        throw ProbeError(command.front() + " ended while it was measured");
    child.end();

    // Counted in clock ticks of 10 ms: over a minute, to 0.017 % of a core.
    const double cpuSeconds =
        static_cast<double>(ticksAfter - ticksBefore) / static_cast<double>(::sysconf(_SC_CLK_TCK));
    printMeasures(name, {{"cpu_percent", 100.0 * cpuSeconds / wall},
                         {"cpu_ms_per_minute", 1000.0 * cpuSeconds * 60.0 / wall},
                         {"wakeups_per_minute", static_cast<double>(switches) * 60.0 / wall},
                         {"wall_seconds", wall},
                         {"rss_mib", mebibytes(rss)},
                         {"peak_rss_mib", mebibytes(peak)},
                         {"rss_anonymous_mib", mebibytes(anonymous)},
                         {"rss_file_mib", mebibytes(fileBacked)}});
}

// A file descriptor closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }

    int get() const { return fd_; }

private:
    int fd_;
};

// Pixels of a part of the screen, in the server's Z-pixmap layout.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bytes;

    bool operator==(const Picture&) const = default;

    // The part of a whole-screen picture that an area covers.
    Picture part(xcb_rectangle_t area) const
    {
        const std::size_t pixelBytes = bytes.size() / (static_cast<std::size_t>(width) * height);
        const std::size_t rowBytes = pixelBytes * area.width;
        Picture result{area.width, area.height, {}};
        result.bytes.reserve(rowBytes * area.height);
        for (int y = area.y; y < area.y + area.height; ++y) {
            const auto row = bytes.begin() + static_cast<std::ptrdiff_t>((static_cast<std::size_t>(y) * width + area.x) * pixelBytes);
            result.bytes.insert(result.bytes.end(), row, row + static_cast<std::ptrdiff_t>(rowBytes));
        }
        return result;
    }
};

// What a start-up shows from outside: the top-level windows mapped on the
// root window of the X display, and the openings of the database file.
class StartUpWatch {
public:
    explicit StartUpWatch(const std::string& database) : inotify_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        if (inotify_.get() < 0 || ::inotify_add_watch(inotify_.get(), database.c_str(), IN_OPEN) < 0)
            throw ProbeError("cannot watch " + database);
        int screenNumber = 0;
        connection_ = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(connection_)) {
            xcb_disconnect(connection_);
            throw ProbeError("cannot connect to the X display");
        }
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
        for (int i = 0; i < screenNumber; ++i)
            xcb_screen_next(&screens);
        screen_ = *screens.data;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        const xcb_void_cookie_t cookie =
            xcb_change_window_attributes_checked(connection_, screen_.root, XCB_CW_EVENT_MASK, &mask);
        if (xcb_generic_error_t* error = xcb_request_check(connection_, cookie)) {
            std::free(error);
            xcb_disconnect(connection_);
            throw ProbeError("cannot watch the root window");
        }
    }
    StartUpWatch(const StartUpWatch&) = delete;
    StartUpWatch& operator=(const StartUpWatch&) = delete;
    ~StartUpWatch() { xcb_disconnect(connection_); }

    // Forgets everything seen so far, after a round trip to the X server.
    void reset()
    {
        std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
            std::free(event);
        readOpenings(Clock::now());
        windows_.clear();
        mapTimes_.clear();
        openTimes_.clear();
    }

    // Waits until `count` distinct top-level windows have been mapped;
    // false when the child ends or the time runs out first.
    bool waitForWindows(Child& child, std::size_t count)
    {
        const Clock::time_point deadline = Clock::now() + kWindowTimeout;
        while (mapTimes_.size() < count) {
            if (!child.running() || Clock::now() >= deadline)
                return false;
            pollfd descriptors[] = {{xcb_get_file_descriptor(connection_), POLLIN, 0}, {inotify_.get(), POLLIN, 0}};
            ::poll(descriptors, 2, 100);
            const Clock::time_point now = Clock::now();
            readOpenings(now);
            readMaps(now);
            if (xcb_connection_has_error(connection_))
                throw ProbeError("the X display went away");
        }
        return true;
    }

    const std::vector<Clock::time_point>& mapTimes() const { return mapTimes_; }
    const std::vector<xcb_window_t>& windows() const { return windows_; }

    // What the whole screen shows now.
    Picture screen() const { return picture({0, 0, screen_.width_in_pixels, screen_.height_in_pixels}); }

    // Where a top-level window lies on the screen, cut to the screen.
    xcb_rectangle_t placeOf(xcb_window_t window) const
    {
        xcb_get_geometry_reply_t* geometry =
            xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr);
        if (!geometry)
            throw ProbeError("the main window went away");
        const int left = std::max<int>(geometry->x, 0);
        const int top = std::max<int>(geometry->y, 0);
        const int right = std::min<int>(geometry->x + geometry->width, screen_.width_in_pixels);
        const int bottom = std::min<int>(geometry->y + geometry->height, screen_.height_in_pixels);
        std::free(geometry);
        if (right <= left || bottom <= top)
            throw ProbeError("the main window is off the screen");
        return {static_cast<std::int16_t>(left), static_cast<std::int16_t>(top),
                static_cast<std::uint16_t>(right - left), static_cast<std::uint16_t>(bottom - top)};
    }

    // Looks at a part of the screen every millisecond until it no longer
    // shows `before`; nothing when the child ends or the time runs out.
    std::optional<Clock::time_point> waitForChange(Child& child, xcb_rectangle_t area, const Picture& before)
    {
        const Clock::time_point deadline = Clock::now() + kWindowTimeout;
        while (child.running() && Clock::now() < deadline) {
            if (picture(area) != before)
                return Clock::now();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return std::nullopt;
    }

    // The first opening of the database at or after a moment.
    std::optional<Clock::time_point> openingAfter(Clock::time_point moment) const
    {
        const auto found = std::ranges::find_if(openTimes_, [moment](Clock::time_point t) { return t >= moment; });
        return found == openTimes_.end() ? std::nullopt : std::optional(*found);
    }

private:
    Picture picture(xcb_rectangle_t area) const
    {
        xcb_get_image_reply_t* image = xcb_get_image_reply(
            connection_,
            xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, screen_.root, area.x, area.y, area.width,
                          area.height, ~0u),
            nullptr);
        if (!image)
            throw ProbeError("cannot read the screen");
        const std::uint8_t* data = xcb_get_image_data(image);
        Picture result{area.width, area.height,
                       std::vector<std::uint8_t>(data, data + xcb_get_image_data_length(image))};
        std::free(image);
        return result;
    }

    void readMaps(Clock::time_point now)
    {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
                if (!map->override_redirect && std::ranges::find(windows_, map->window) == windows_.end()) {
                    windows_.push_back(map->window);
                    mapTimes_.push_back(now);
                }
            }
            std::free(event);
        }
    }

    void readOpenings(Clock::time_point now)
    {
        alignas(inotify_event) char buffer[4096];
        for (ssize_t length; (length = ::read(inotify_.get(), buffer, sizeof buffer)) > 0;) {
            for (ssize_t offset = 0; offset < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
                if (event->mask & IN_OPEN)
                    openTimes_.push_back(now);
                offset += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
    }

    Descriptor inotify_;
    xcb_connection_t* connection_ = nullptr;
    xcb_screen_t screen_{};
    std::vector<xcb_window_t> windows_;
    std::vector<Clock::time_point> mapTimes_;
    std::vector<Clock::time_point> openTimes_;
};

double median(std::vector<double> values)
{
    std::ranges::sort(values);
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double millisecondsBetween(Clock::time_point from, Clock::time_point to)
{
    return Milliseconds(to - from).count();
}

void measureStartUp(const std::string& name, int runs, const std::string& database,
                    const std::vector<std::string>& command)
{
    StartUpWatch watch(database);
    std::vector<double> intro;
    std::vector<double> wait;
    std::vector<double> mapped;
    std::vector<double> painted;
    std::vector<double> withoutWait;
    for (int run = 0; run <= runs; ++run) {
        watch.reset();
        // A window of ours is mapped without a background of its own: until
        // the program paints it, the screen shows what was there before.
        const Picture before = watch.screen();
        const Clock::time_point start = Clock::now();
        Child child(command);
        if (!watch.waitForWindows(child, 2))
            throw ProbeError(command.front() + " did not show its intro and main windows");
        const xcb_rectangle_t mainPlace = watch.placeOf(watch.windows()[1]);
        const std::optional<Clock::time_point> mainPainted = watch.waitForChange(child, mainPlace, before.part(mainPlace));
        if (!mainPainted)
            throw ProbeError(command.front() + " did not paint its main window");
        child.end();
        const Clock::time_point introShown = watch.mapTimes()[0];
        const Clock::time_point mainMapped = watch.mapTimes()[1];
        const std::optional<Clock::time_point> stepStart = watch.openingAfter(introShown);
        if (!stepStart || *stepStart > mainMapped)
            throw ProbeError(database + " was not opened between the intro and the main window");
        std::fprintf(stderr, "run %d: intro shown %.1f ms, start-up step %.1f ms, main window mapped %.1f ms, "
                             "painted %.1f ms%s\n",
                     run, millisecondsBetween(start, introShown), millisecondsBetween(start, *stepStart),
                     millisecondsBetween(start, mainMapped), millisecondsBetween(start, *mainPainted),
                     run == 0 ? " (warming up, not counted)" : "");
        if (run == 0)
            continue;
        intro.push_back(millisecondsBetween(start, introShown));
        wait.push_back(millisecondsBetween(introShown, *stepStart));
        mapped.push_back(millisecondsBetween(start, mainMapped));
        painted.push_back(millisecondsBetween(start, *mainPainted));
        withoutWait.push_back(painted.back() - wait.back());
    }
    printMeasures(name, {{"intro_window_ms", median(intro)},
                         {"intro_wait_ms", median(wait)},
                         {"main_window_mapped_ms", median(mapped)},
                         {"main_window_ms", median(painted)},
                         {"main_window_without_wait_ms", median(withoutWait)},
                         {"runs", static_cast<double>(runs)}});
}

// The lines a child prints on a pipe.
class LineReader {
public:
    explicit LineReader(int fd) : fd_(fd) {}

    // Reads until a line starting with `start` comes; false when the child
    // ends or the time runs out first.
    bool waitForLineStarting(Child& child, const std::string& start)
    {
        const Clock::time_point deadline = Clock::now() + kWindowTimeout;
        for (;;) {
            for (std::size_t end; (end = pending_.find('\n')) != std::string::npos;) {
                const bool found = pending_.starts_with(start);
                pending_.erase(0, end + 1);
                if (found)
                    return true;
            }
            if (!child.running() || Clock::now() >= deadline)
                return false;
            pollfd readable{fd_.get(), POLLIN, 0};
            if (::poll(&readable, 1, 100) == 1) {
                char buffer[4096];
                const ssize_t length = ::read(fd_.get(), buffer, sizeof buffer);
                if (length > 0)
                    pending_.append(buffer, static_cast<std::size_t>(length));
            }
        }
    }

private:
    Descriptor fd_;
    std::string pending_;
};

void writeFile(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!(file << text))
        throw ProbeError("cannot write " + path.string());
}

void measureNotice(const std::string& name, int runs, const std::filesystem::path& folder,
                   const std::vector<std::string>& command)
{
    const std::filesystem::path connected = folder / "connected";
    writeFile(connected, "");
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0)
        throw ProbeError("cannot make a pipe");
    LineReader lines(pipe[0]);
    Child child(command, pipe[1]);
    ::close(pipe[1]);
    if (!lines.waitForLineStarting(child, "Non connesso"))
        throw ProbeError(command.front() + " did not say the line is down");
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> pause(500, 1500);
    std::vector<double> notice;
    for (int run = 0; run <= runs; ++run) {
        std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
        const Clock::time_point start = Clock::now();
        writeFile(connected, "Casa\n");
        if (!lines.waitForLineStarting(child, "Connessione attiva Casa"))
            throw ProbeError(command.front() + " did not notice the connection");
        const double elapsed = millisecondsBetween(start, Clock::now());
        std::fprintf(stderr, "run %d: noticed in %.1f ms%s\n", run, elapsed,
                     run == 0 ? " (warming up, not counted)" : "");
        if (run > 0)
            notice.push_back(elapsed);
        writeFile(connected, "");
        if (!lines.waitForLineStarting(child, "Non connesso"))
            throw ProbeError(command.front() + " did not notice the line drop");
    }
    printMeasures(name, {{"notice_ms", median(notice)},
                         {"slowest_notice_ms", *std::ranges::max_element(notice)},
                         {"runs", static_cast<double>(runs)}});
}

int run(const std::vector<std::string>& words)
{
    const bool idle = words.size() > 1 && words[1] == "idle";
    const bool startUp = words.size() > 1 && words[1] == "startup";
    const bool notice = words.size() > 1 && words[1] == "notice";
    const std::size_t separator = startUp || notice ? 5 : 4;
    const int count = words.size() > 3 ? std::atoi(words[3].c_str()) : 0;
    if (!(idle || startUp || notice) || words.size() <= separator + 1 || words[separator] != "--" || count <= 0) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string& name = words[2];
    const std::vector<std::string> command(words.begin() + static_cast<std::ptrdiff_t>(separator) + 1, words.end());
    try {
        if (idle)
            measureIdle(name, count, command);
        else if (notice)
            measureNotice(name, count, words[4], command);
        else
            measureStartUp(name, count, words[4], command);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "perf_probe: %s\n", error.what());
        return 1;
    }
    return 0;
}

} // namespace

} // namespace zrt

int main(int argc, char** argv)
{
    return zrt::run(std::vector<std::string>(argv, argv + argc));
}
