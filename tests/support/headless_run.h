#pragma once

#include <QDeadlineTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

#include <signal.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <utility>

namespace zrt::test {

// `zrtellix --headless` on a data folder, watching the simulated dialer in
// `simFolder`. Its clock is UTC, and the monitor's log lines are on, as a
// user who wants to see why would switch them on.
class HeadlessRun {
public:
    static constexpr int kWaitMs = 5000;

    HeadlessRun(QString dataDir, std::filesystem::path simFolder)
        : dataDir_(std::move(dataDir)), simFolder_(std::move(simFolder))
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
        environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("zrtellix.*=true"));
        program_.setProcessEnvironment(environment);
    }
    ~HeadlessRun() { killHard(); }

    qint64 processId() const { return program_.processId(); }

    // Before start(): a variable of the program's environment.
    void setEnvironment(const QString& name, const QString& value)
    {
        QProcessEnvironment environment = program_.processEnvironment();
        environment.insert(name, value);
        program_.setProcessEnvironment(environment);
    }
    HeadlessRun(const HeadlessRun&) = delete;
    HeadlessRun& operator=(const HeadlessRun&) = delete;

    bool isRunning() const { return program_.state() != QProcess::NotRunning; }

    // Runs in the child between fork and exec (limits, another user).
    void setChildSetup(std::function<void()> setup) { program_.setChildProcessModifier(std::move(setup)); }

    bool start()
    {
        const QString sim = QStringLiteral("sim:") + QString::fromStdString(simFolder_.string());
        program_.start(QStringLiteral(ZRTELLIX_PATH), {QStringLiteral("--headless"), QStringLiteral("--dialup"), sim,
                                                       QStringLiteral("--data-dir"), dataDir_});
        return program_.waitForStarted(kWaitMs);
    }

    // The first status line from now on that `wanted` accepts; empty when
    // none comes in time or the program ends.
    QString waitForLine(const std::function<bool(const QString&)>& wanted, int timeoutMs = kWaitMs)
    {
        QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            while (program_.canReadLine()) {
                const QString line = QString::fromUtf8(program_.readLine()).trimmed();
                if (wanted(line))
                    return line;
            }
            if (program_.state() == QProcess::NotRunning)
                return {};
            program_.waitForReadyRead(static_cast<int>(qMax<qint64>(1, deadline.remainingTime())));
        }
        return {};
    }

    QString waitForAnyLine() { return waitForLine([](const QString&) { return true; }); }
    QString waitForLineStarting(const QString& start)
    {
        return waitForLine([&](const QString& line) { return line.startsWith(start); });
    }

    // Lets the program run for a while, reading what it prints.
    void runFor(int ms) { waitForLine([](const QString&) { return false; }, ms); }

    // Sends the signal; true when the program then ended by itself with
    // status 0.
    bool stopWith(int signal) { return exitStatusAfter(signal) == 0; }

    // Sends the signal; the status the program then ended with by itself,
    // or nothing when it did not end so.
    std::optional<int> exitStatusAfter(int signal)
    {
        ::kill(static_cast<pid_t>(program_.processId()), signal);
        if (!program_.waitForFinished(kWaitMs) || program_.exitStatus() != QProcess::NormalExit)
            return std::nullopt;
        return program_.exitCode();
    }

    // SIGKILL: the program gets no chance to close anything.
    void killHard()
    {
        if (program_.state() == QProcess::NotRunning)
            return;
        program_.kill();
        program_.waitForFinished(kWaitMs);
    }

    // Everything the program has written to standard error so far.
    const QString& errors()
    {
        errors_ += QString::fromUtf8(program_.readAllStandardError());
        return errors_;
    }

private:
    QString dataDir_;
    std::filesystem::path simFolder_;
    QProcess program_;
    QString errors_;
};

} // namespace zrt::test
