// Start to the first painted window: Quorvan beside the smallest Qt Widgets program (an empty
// window, and one with a line of text: the fonts every window with words loads), each started as a
// process, in turn, and timed until it says its first window has painted; medians.
// Quorvan runs from a copy in a temporary folder with its settings there, as on any start after
// the first (no first-start questions), and on the offscreen platform unless one is set. Its
// runtime folder is in memory, as a desktop session's is.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_bars.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Started {
    double ms = -1;
    std::string said;
};

// Starts `program`, waits for its "shown" line, then ends it.
Started RunToShown(const QString& program, const QString& folder, const char* arg = nullptr) {
    Started result;
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0)
        return result;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const QByteArray path = QFile::encodeName(program);
    const QByteArray cwd = QFile::encodeName(folder);
    char* argv[] = {const_cast<char*>(path.constData()), const_cast<char*>(arg), nullptr};
    (void)::chdir(cwd.constData());
    pid_t pid = 0;
    const auto t0 = Clock::now();
    const int failed = posix_spawn(&pid, path.constData(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (failed == 0) {
        std::string text;
        char buffer[256];
        pollfd p{out[0], POLLIN, 0};
        while (text.find('\n') == std::string::npos && ::poll(&p, 1, 20000) > 0) {
            const ssize_t got = ::read(out[0], buffer, sizeof buffer);
            if (got <= 0)
                break;
            text.append(buffer, static_cast<size_t>(got));
        }
        if (text.rfind("shown", 0) == 0) {
            result.ms = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
            result.said = text.substr(0, text.find('\n'));
        }
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
    ::close(out[0]);
    return result;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

bool Write(const QString& file, const QByteArray& text) {
    QFile f(file);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    QTemporaryDir temp;
    // A session's runtime folder is in memory; the single-instance guard keeps its socket there.
    QTemporaryDir memory(QStringLiteral("/dev/shm/quorvan-bench-XXXXXX"));
    const QString prog = temp.path() + QStringLiteral("/prog"),
                  config = temp.path() + QStringLiteral("/config"),
                  run = (memory.isValid() ? memory.path() : temp.path()) + QStringLiteral("/run"),
                  diskRun = temp.path() + QStringLiteral("/disk-run");
    QDir().mkpath(prog + QStringLiteral("/Quorvan"));
    QDir().mkpath(config);
    for (const QString& r : {run, diskRun}) {
        QDir().mkpath(r);
        QFile::setPermissions(r, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const QString quorvan = prog + QStringLiteral("/quorvan");
    // Another build of Quorvan may be named, to compare builds: `bench_startup 15 path/to/quorvan`.
    const QString built = argc > 2 ? QFile::decodeName(argv[2]) : QStringLiteral(QUORVAN_PROGRAM);
    if (!QFile::copy(built, quorvan) ||
        !Write(prog + QStringLiteral("/Quorvan/Set.Kastrel"), "100\r\n0\r\n\"\"\r\n\"\"\r\n") ||
        !Write(config + QStringLiteral("/Holvent.ini"), "[NidraBhanga]\nNickName=Bench\n")) {
        std::fprintf(stderr, "cannot prepare %s\n", qPrintable(temp.path()));
        return 1;
    }
    // The session's display when there is one (`./quorvan.sh bench` gives a virtual X server
    // when there is none and it can), else offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QByteArray platform = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? qgetenv("QT_QPA_PLATFORM")
                                : !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                                    ? QByteArray("wayland ") + qgetenv("WAYLAND_DISPLAY")
                                    : QByteArray("xcb ") + qgetenv("DISPLAY");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(run));
    qputenv("QUORVAN_TELL_SHOWN", "1");

    const QString yardstick = QStringLiteral(SMALLEST_WIDGETS);
    // The first start registers the program in the family records; neither run is timed.
    const Started first = RunToShown(quorvan, prog);
    RunToShown(yardstick, prog);
    if (first.ms < 0) {
        std::fprintf(stderr, "quorvan did not show a window\n");
        return 1;
    }
    std::vector<double> ours, onDisk, empty, words;
    Started last;
    for (int i = 0; i < runs; ++i) {
        const Started e = RunToShown(yardstick, prog);
        const Started w = RunToShown(yardstick, prog, "--words");
        last = RunToShown(quorvan, prog);
        // Without a session's runtime folder the guard's folder may be on a disk.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(diskRun));
        const Started d = RunToShown(quorvan, prog);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(run));
        if (d.ms >= 0)
            onDisk.push_back(d.ms);
        if (e.ms >= 0)
            empty.push_back(e.ms);
        if (w.ms >= 0)
            words.push_back(w.ms);
        if (last.ms >= 0)
            ours.push_back(last.ms);
    }
    const double q = Median(ours), e = Median(empty), w = Median(words), qd = Median(onDisk);
    std::printf("first window: \"%s\" (medians of %d starts, platform %s)\n", last.said.c_str(), runs,
                platform.constData());
    PrintBar("start to main window", q, "smallest Qt Widgets, empty", e, 1.5);
    PrintBar("start to main window", q, "smallest Qt Widgets, one line", w, 1.5);
    PrintBar("  with its runtime folder on a disk", qd, "smallest Qt Widgets, empty", e, 1.5);
    return 0;
}
