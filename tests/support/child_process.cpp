#include "child_process.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {
namespace {

int childPipe = -1;

struct Started {
    pid_t pid = -1;
    int readEnd = -1;
};

Started start(const std::function<void()>& prepare, const std::function<int()>& body) {
    int fds[2];
    if (::pipe(fds) != 0) {
        ADD_FAILURE() << "pipe failed";
        return {};
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        childPipe = fds[1];
        prepare();
        const int code = body();
        ::_exit(code);
    }
    ::close(fds[1]);
    if (pid < 0) {
        ::close(fds[0]);
        ADD_FAILURE() << "fork failed";
        return {};
    }
    return {pid, fds[0]};
}

// Reads until `wanted` bytes arrived (0: until the child closes its end).
std::string readFromChild(int fd, std::size_t wanted) {
    std::string text;
    char buffer[4096];
    while (wanted == 0 || text.size() < wanted) {
        const ssize_t n = ::read(fd, buffer, wanted == 0 ? sizeof buffer : 1);
        if (n <= 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    return text;
}

ChildResult finish(const Started& s, std::string message) {
    ChildResult result;
    message += readFromChild(s.readEnd, 0);
    ::close(s.readEnd);
    int status = 0;
    while (::waitpid(s.pid, &status, 0) < 0) {
    }
    if (WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        result.signal = WTERMSIG(status);
    result.message = std::move(message);
    return result;
}

}  // namespace

void reportToParent(const std::string& text) {
    if (childPipe < 0)
        return;
    const char* p = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t n = ::write(childPipe, p, left);
        if (n <= 0)
            return;
        p += n;
        left -= static_cast<std::size_t>(n);
    }
}

ChildResult runInChild(const std::function<int()>& body) {
    const Started s = start([] {}, body);
    if (s.pid < 0)
        return {};
    return finish(s, {});
}

ChildResult runWithFileSizeLimit(unsigned long long maxFileBytes,
                                 const std::function<int()>& body) {
    const Started s = start(
        [maxFileBytes] {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{maxFileBytes, maxFileBytes};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                ::_exit(100);
        },
        body);
    if (s.pid < 0)
        return {};
    return finish(s, {});
}

ChildResult killWhileRunning(const std::function<int()>& loop, unsigned delayMicroseconds) {
    const Started s = start([] {}, loop);
    if (s.pid < 0)
        return {};
    std::string first = readFromChild(s.readEnd, 1);
    ::usleep(delayMicroseconds);
    ::kill(s.pid, SIGKILL);
    return finish(s, std::move(first));
}

}  // namespace testing_support
