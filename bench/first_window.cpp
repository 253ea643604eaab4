// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up timer that sees programs from outside, as a player does: from just before fork to
// the end of the first paint of the program's top-level windows, as the X server reports the
// drawing into them (DAMAGE extension). The programs are the ones players start, unchanged; each is killed once
// it has painted. Programs take turns, one run of each per round, so that a busy machine slows
// them alike; the peak resident memory of each run comes from wait4(). With --cold the page
// cache is dropped before every start (root only), as after a login.
//
//   bq_first_window [--cold] ROUNDS WARMUP NAME=PROGRAM [NAME=PROGRAM ...]
//
// Needs DISPLAY, on an X server where nothing else creates windows meanwhile. Prints one line
// per run ("run NAME MS PEAK_KB") and then one per program ("median NAME MS PEAK_KB RUNS").
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

namespace {

constexpr int kTimeoutMs = 30000;
constexpr int kQuietMs = 50;

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

struct Program {
    std::string name;
    std::string path;
    std::vector<double> ms;
    std::vector<long> peakKb;
};

struct Run {
    bool ok = false;
    double ms = 0;
    long peakKb = 0;
};

class FirstWindowTimer {
public:
    explicit FirstWindowTimer(Display *display) : m_display(display)
    {
        int error = 0;
        m_ok = XDamageQueryExtension(display, &m_damageEvent, &error);
        // Every window made on the display from now on is announced.
        XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
        XSync(display, False);
    }
    bool ok() const { return m_ok; }

    Run runOnce(const Program &program, bool cold)
    {
        Run result;
        if (cold)
            dropPageCache();
        XSync(m_display, True); // nothing left over from the last run
        const long long start = monotonicNs();
        const pid_t pid = fork();
        if (pid < 0) {
            std::perror("fork");
            return result;
        }
        if (pid == 0) {
            const int null = open("/dev/null", O_RDWR);
            if (null >= 0) {
                dup2(null, STDOUT_FILENO);
                dup2(null, STDERR_FILENO);
            }
            execl(program.path.c_str(), program.path.c_str(), static_cast<char *>(nullptr));
            _exit(127);
        }
        const long long painted = waitForFirstPaint(pid);
        kill(pid, SIGKILL);
        int status = 0;
        rusage usage{};
        while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {}
        forgetWindows();
        if (painted < 0) {
            std::fprintf(stderr, "%s: no window painted within %d ms\n", program.name.c_str(), kTimeoutMs);
            return result;
        }
        result.ok = true;
        result.ms = static_cast<double>(painted - start) / 1e6;
        result.peakKb = usage.ru_maxrss;
        return result;
    }

private:
    // The moment the server reported the last drawing of the first burst into the program's
    // top-level windows, or -1. Mapping a window counts as drawing into all of it, and the
    // server may report that together with the program's first paint: only a burst that has
    // gone quiet for kQuietMs is taken as the window painted.
    long long waitForFirstPaint(pid_t pid)
    {
        const long long deadline = monotonicNs() + kTimeoutMs * 1000000LL;
        long long lastDamage = -1;
        for (;;) {
            while (XPending(m_display)) {
                XEvent event;
                XNextEvent(m_display, &event);
                if (event.type == CreateNotify) {
                    // Watched from its birth, before the program can draw into it.
                    m_damages.push_back(
                        XDamageCreate(m_display, event.xcreatewindow.window, XDamageReportRawRectangles));
                    XFlush(m_display);
                } else if (event.type == m_damageEvent + XDamageNotify) {
                    lastDamage = monotonicNs();
                }
            }
            const long long now = monotonicNs();
            if (lastDamage >= 0 && now - lastDamage >= kQuietMs * 1000000LL)
                return lastDamage;
            const long long left = (deadline - now) / 1000000LL;
            if (left <= 0)
                return -1;
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                std::fprintf(stderr, "the program ended before painting (status %d)\n", status);
                return -1;
            }
            pollfd fd{ConnectionNumber(m_display), POLLIN, 0};
            poll(&fd, 1, static_cast<int>(std::min(left, lastDamage >= 0 ? 2LL : 100LL)));
        }
    }

    void forgetWindows()
    {
        // The program's windows went with it, and their damage objects with them.
        m_damages.clear();
        XSync(m_display, True);
    }

    static void dropPageCache()
    {
        sync();
        const int fd = open("/proc/sys/vm/drop_caches", O_WRONLY);
        if (fd < 0 || write(fd, "3\n", 2) != 2) {
            std::perror("drop_caches");
            std::exit(1);
        }
        close(fd);
    }

    Display *m_display;
    int m_damageEvent = 0;
    bool m_ok = false;
    std::vector<Damage> m_damages;
};

template <class T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    int first = 1;
    const bool cold = argc > 1 && std::strcmp(argv[1], "--cold") == 0;
    if (cold)
        ++first;
    if (argc < first + 3) {
        std::fprintf(stderr, "usage: %s [--cold] ROUNDS WARMUP NAME=PROGRAM [NAME=PROGRAM ...]\n", argv[0]);
        return 2;
    }
    const int rounds = std::atoi(argv[first]);
    const int warmup = std::atoi(argv[first + 1]);
    std::vector<Program> programs;
    for (int i = first + 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const size_t eq = arg.find('=');
        if (eq == std::string::npos) {
            std::fprintf(stderr, "not NAME=PROGRAM: %s\n", argv[i]);
            return 2;
        }
        programs.push_back({arg.substr(0, eq), arg.substr(eq + 1), {}, {}});
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the display\n");
        return 1;
    }
    FirstWindowTimer timer(display);
    if (!timer.ok()) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 1;
    }

    for (int round = 0; round < warmup + rounds; ++round) {
        // Alternate which program goes first, so neither always follows the other.
        for (size_t k = 0; k < programs.size(); ++k) {
            Program &program = programs[(k + static_cast<size_t>(round)) % programs.size()];
            const Run run = timer.runOnce(program, cold);
            if (!run.ok)
                return 1;
            if (round < warmup)
                continue;
            program.ms.push_back(run.ms);
            program.peakKb.push_back(run.peakKb);
            std::printf("run %s %.2f %ld\n", program.name.c_str(), run.ms, run.peakKb);
        }
    }
    for (const Program &program : programs)
        std::printf("median %s %.2f %ld %zu\n", program.name.c_str(), median(program.ms), median(program.peakKb),
                    program.ms.size());
    return 0;
}
