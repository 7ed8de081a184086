#pragma once

namespace zrt::app {

struct Options;

// Runs the monitor without windows, printing one status line a second on
// standard output, until SIGINT, SIGTERM or SIGHUP; then completes the
// metered connection's log row and returns 0. Returns 1, with a message on
// standard error, when the dial-up kind or the database is not usable.
int runHeadless(const Options& options);

} // namespace zrt::app
