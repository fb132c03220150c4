// SPDX-License-Identifier: GPL-2.0-or-later
#include "access_isolation.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// The child answers with a status byte ('R' result, 'E' error message), the
// length of what follows (8 bytes, native order) and the bytes themselves.
constexpr char result_status = 'R';
constexpr char error_status = 'E';
constexpr std::size_t answer_head_size = 1 + sizeof(std::uint64_t);
constexpr int pipe_capacity = 1 << 20;

bool write_all(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

[[noreturn]] void run_child(int fd, const IsolatedWork& work)
{
    char status = result_status;
    std::span<const char> answer;
    std::string message;
    try {
        answer = work();
    } catch (const std::exception& error) {
        status = error_status;
        message = error.what();
        answer = message;
    } catch (...) {
        status = error_status;
        message = "unknown failure";
        answer = message;
    }
    char head[answer_head_size];
    const std::uint64_t length = answer.size();
    head[0] = status;
    std::memcpy(head + 1, &length, sizeof length);
    const bool sent = write_all(fd, head, sizeof head) && write_all(fd, answer.data(), answer.size());
    _exit(sent ? 0 : 1);
}

enum class ReadResult { Complete, EndOfFile, TimedOut };

ReadResult read_exactly(int fd, char* data, std::size_t size, Clock::time_point deadline)
{
    while (size > 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return ReadResult::TimedOut;
        pollfd ready{fd, POLLIN, 0};
        const int polled = poll(&ready, 1, static_cast<int>(left.count()) + 1);
        if (polled < 0 && errno == EINTR)
            continue;
        if (polled < 0)
            return ReadResult::EndOfFile;
        if (polled == 0)
            continue;
        const ssize_t got = read(fd, data, size);
        if (got < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (got <= 0)
            return ReadResult::EndOfFile;
        data += got;
        size -= static_cast<std::size_t>(got);
    }
    return ReadResult::Complete;
}

// The forked child until it has ended: leaving the scope early (on any
// error) kills it, so that no process stays behind.
class Child {
public:
    explicit Child(pid_t pid) : pid_(pid) {}
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child()
    {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            wait();
        }
    }

    void kill_now() { kill(pid_, SIGKILL); }

    // Waits for the child's end; false when its status cannot be had
    // (another part of the program reaped it), which says nothing against it.
    bool wait()
    {
        const pid_t pid = pid_;
        pid_ = 0;
        for (;;) {
            if (waitpid(pid, &status_, 0) == pid)
                return true;
            if (errno != EINTR)
                return false;
        }
    }

    int status() const { return status_; }

private:
    pid_t pid_;
    int status_ = 0;
};

std::string crash_message(int status)
{
    if (WIFSIGNALED(status))
        return "signal " + std::to_string(WTERMSIG(status)) + ", " + strsignal(WTERMSIG(status));
    if (WIFEXITED(status))
        return "it ended with code " + std::to_string(WEXITSTATUS(status)) + " before answering";
    return "it ended before answering";
}

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { reset(); }
    int get() const { return fd_; }
    void reset()
    {
        if (fd_ >= 0)
            close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

}  // namespace

std::size_t run_isolated(const IsolatedWork& work, const AnswerBuffer& buffer,
                         std::chrono::milliseconds timeout)
{
    int ends[2];
    // Close-on-exec: a process another thread starts meanwhile must not hold
    // the pipe open.
    if (pipe2(ends, O_CLOEXEC) != 0)
        throw IsolationError(IsolationError::Kind::Failed,
                             std::string("cannot create a pipe: ") + std::strerror(errno));
    Fd reading(ends[0]);
    Fd writing(ends[1]);
    // Fewer, larger transfers: the answer may be megabytes.
    fcntl(ends[0], F_SETPIPE_SZ, pipe_capacity);

    const Clock::time_point deadline = Clock::now() + timeout;
    const pid_t pid = fork();
    if (pid < 0)
        throw IsolationError(IsolationError::Kind::Failed,
                             std::string("cannot start a process: ") + std::strerror(errno));
    if (pid == 0) {
        close(ends[0]);
        run_child(ends[1], work);
    }
    Child child(pid);
    writing.reset();

    char head[answer_head_size] = {};
    std::uint64_t length = 0;
    std::string message;
    ReadResult result = read_exactly(reading.get(), head, sizeof head, deadline);
    if (result == ReadResult::Complete) {
        std::memcpy(&length, head + 1, sizeof length);
        char* answer = nullptr;
        if (head[0] == error_status) {
            message.resize(length);
            answer = message.data();
        } else {
            answer = buffer(length);
        }
        if (!answer && length > 0)
            throw IsolationError(IsolationError::Kind::Failed, "no memory for the answer");
        result = read_exactly(reading.get(), answer, length, deadline);
    }
    reading.reset();

    if (result == ReadResult::TimedOut) {
        child.kill_now();
        child.wait();
        throw IsolationError(IsolationError::Kind::TimedOut,
                             "no answer within " + std::to_string(timeout.count()) + " ms");
    }
    const bool waited = child.wait();
    if (result == ReadResult::EndOfFile || (waited && WIFSIGNALED(child.status())))
        throw IsolationError(IsolationError::Kind::Crashed,
                             waited ? crash_message(child.status()) : "it ended before answering");
    if (head[0] == error_status)
        throw IsolationError(IsolationError::Kind::Failed, message);
    return length;
}
