#include "store/AccessChild.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

constexpr size_t kMaxMessage = 4096;
// The status of a child whose work called exit() itself, as libmdb does on some errors.
constexpr int kExitedInsideWork = 3;

// Registered last in the child, so run first by exit(): it leaves at once, before the
// caller's inherited exit handlers and static destructors could act on shared state.
void LeaveWithoutCleanup() { _exit(kExitedInsideWork); }

#if defined(__SANITIZE_ADDRESS__)
#define KELVARO_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KELVARO_UNDER_ASAN 1
#endif
#endif
#if defined(KELVARO_UNDER_ASAN)
// AddressSanitizer reserves terabytes of shadow memory; an address-space limit would make
// every child fail, so sanitizer builds go without it.
constexpr bool kCanLimitAddressSpace = false;
#else
constexpr bool kCanLimitAddressSpace = true;
#endif

std::uint64_t CurrentAddressSpace() {
    int fd = open("/proc/self/statm", O_RDONLY | O_CLOEXEC);
    if (fd < 0) return 0;
    char buf[128] = {};
    ssize_t n = read(fd, buf, sizeof buf - 1);
    close(fd);
    if (n <= 0) return 0;
    return std::strtoull(buf, nullptr, 10) * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
}

void SetLimit(int resource, std::uint64_t soft, std::uint64_t hard) {
    rlimit lim{static_cast<rlim_t>(soft), static_cast<rlim_t>(hard)};
    setrlimit(resource, &lim);
}

[[noreturn]] void RunChild(const std::function<std::string()>& work, const ChildLimits& limits,
                           int reportFd) {
    // Whatever libmdb prints goes nowhere; the report pipe carries the only message.
    int devNull = open("/dev/null", O_RDWR);
    if (devNull >= 0) {
        dup2(devNull, STDIN_FILENO);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        if (devNull > STDERR_FILENO) close(devNull);
    }
    for (int sig : {SIGXCPU, SIGXFSZ, SIGPIPE, SIGSEGV, SIGBUS, SIGABRT, SIGFPE, SIGILL})
        signal(sig, SIG_DFL);
    std::atexit(LeaveWithoutCleanup);
    SetLimit(RLIMIT_CORE, 0, 0);
    SetLimit(RLIMIT_CPU, limits.cpuSeconds, limits.cpuSeconds + 1);
    if (limits.maxFileSize) SetLimit(RLIMIT_FSIZE, limits.maxFileSize, limits.maxFileSize);
    if (kCanLimitAddressSpace && limits.extraAddressSpace) {
        const std::uint64_t cap = CurrentAddressSpace() + limits.extraAddressSpace;
        SetLimit(RLIMIT_AS, cap, cap);
    }

    std::string error;
    try {
        error = work();
    } catch (const std::exception& e) {
        error = *e.what() ? e.what() : "failed";
    } catch (...) {
        error = "failed";
    }
    if (!error.empty()) {
        const size_t n = std::min(error.size(), kMaxMessage);
        ssize_t ignored = write(reportFd, error.data(), n);
        (void)ignored;
    }
    _exit(error.empty() ? 0 : 1);
}

std::string DescribeStatus(int status) {
    if (WIFEXITED(status) && WEXITSTATUS(status) == kExitedInsideWork) return "the import gave up";
    if (WIFEXITED(status)) return "the import stopped with status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status)) {
        switch (WTERMSIG(status)) {
            case SIGXCPU:
                return "the import used up its processor time";
            case SIGXFSZ:
                return "the import exceeded its output size";
            case SIGKILL:
                return "the import was killed";
            default:
                return std::string("the import died: ") + strsignal(WTERMSIG(status));
        }
    }
    return "the import ended abnormally";
}

}  // namespace

ChildOutcome RunInChild(const std::function<std::string()>& work, const ChildLimits& limits) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return {false, std::string("cannot create a pipe: ") + std::strerror(errno)};
    const auto deadline = std::chrono::steady_clock::now() + limits.wallTime;

    const pid_t pid = fork();
    if (pid < 0) {
        const int err = errno;
        close(fds[0]);
        close(fds[1]);
        return {false, std::string("cannot start the import: ") + std::strerror(err)};
    }
    if (pid == 0) {
        close(fds[0]);
        RunChild(work, limits, fds[1]);
    }
    close(fds[1]);

    // Read the report until the child closes the pipe, which it does by ending.
    std::string message;
    bool timedOut = false;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            timedOut = true;
            break;
        }
        pollfd p{fds[0], POLLIN, 0};
        const int r = poll(&p, 1, static_cast<int>(std::min<long long>(left.count(), 1000)));
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) {
            timedOut = true;  // cannot wait any more; treat as a hang
            break;
        }
        if (r == 0) continue;
        char buf[1024];
        const ssize_t n = read(fds[0], buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;  // end of file: the child is gone or going
        if (message.size() < kMaxMessage)
            message.append(buf, std::min<size_t>(static_cast<size_t>(n), kMaxMessage - message.size()));
    }
    close(fds[0]);

    // Reap the child; one that outlives the deadline, with or without its pipe, is killed.
    int status = 0;
    pid_t waited;
    for (;;) {
        waited = waitpid(pid, &status, WNOHANG);
        if (waited < 0 && errno == EINTR) continue;
        if (waited != 0) break;
        if (timedOut || std::chrono::steady_clock::now() >= deadline) {
            kill(pid, SIGKILL);
            do waited = waitpid(pid, &status, 0);
            while (waited < 0 && errno == EINTR);
            return {false, "the import took too long and was stopped"};
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    if (waited != pid) return {false, "the import's end could not be observed"};
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return {true, {}};
    if (!message.empty()) return {false, message};
    return {false, DescribeStatus(status)};
}
