// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up timer: starts programs that report their first paint ("first-paint <ns>" on
// standard output, CLOCK_MONOTONIC) and measures from just before fork to that moment.
// Programs are started in turn, one run of each per round, so that a busy machine slows
// them alike; the peak resident memory of each run comes from wait4().
//
//   bq_startup ROUNDS WARMUP NAME=PROGRAM [NAME=PROGRAM ...]
//
// Prints one line per run ("run NAME MS PEAK_KB") and then one per program
// ("median NAME MS PEAK_KB RUNS").
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

namespace {

constexpr int kTimeoutMs = 30000;

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

Run runOnce(const Program &program)
{
    Run result;
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) {
        std::perror("pipe2");
        return result;
    }
    const long long start = monotonicNs();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        return result;
    }
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0)
            dup2(null, STDERR_FILENO);
        execl(program.path.c_str(), program.path.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    close(out[1]);

    std::string text;
    char buffer[512];
    bool timedOut = false;
    for (;;) {
        pollfd fd{out[0], POLLIN, 0};
        const int ready = poll(&fd, 1, kTimeoutMs);
        if (ready == 0) {
            timedOut = true;
            kill(pid, SIGKILL);
            break;
        }
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        const ssize_t got = read(out[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        text.append(buffer, static_cast<size_t>(got));
    }
    close(out[0]);

    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {}
    if (timedOut) {
        std::fprintf(stderr, "%s: no first paint within %d ms\n", program.name.c_str(), kTimeoutMs);
        return result;
    }
    const size_t at = text.find("first-paint ");
    if (at == std::string::npos || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s: no first paint reported (exit status %d)\n", program.name.c_str(),
                     WIFEXITED(status) ? WEXITSTATUS(status) : -1);
        return result;
    }
    const long long painted = std::atoll(text.c_str() + at + std::strlen("first-paint "));
    result.ok = painted > start;
    result.ms = static_cast<double>(painted - start) / 1e6;
    result.peakKb = usage.ru_maxrss;
    return result;
}

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
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s ROUNDS WARMUP NAME=PROGRAM [NAME=PROGRAM ...]\n", argv[0]);
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    const int warmup = std::atoi(argv[2]);
    std::vector<Program> programs;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        const size_t eq = arg.find('=');
        if (eq == std::string::npos) {
            std::fprintf(stderr, "not NAME=PROGRAM: %s\n", argv[i]);
            return 2;
        }
        programs.push_back({arg.substr(0, eq), arg.substr(eq + 1), {}, {}});
    }

    for (int round = 0; round < warmup + rounds; ++round) {
        // Alternate which program goes first, so neither always follows the other.
        for (size_t k = 0; k < programs.size(); ++k) {
            Program &program = programs[(k + static_cast<size_t>(round)) % programs.size()];
            const Run run = runOnce(program);
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
