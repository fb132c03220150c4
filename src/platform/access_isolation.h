// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Running fragile work in a child process, so that a crash or a hang in it
// cannot take the program down: the child does the work, hands its result
// back through a pipe and ends; the parent waits no longer than a deadline.

#include <chrono>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>

class IsolationError : public std::runtime_error {
public:
    enum class Kind {
        Failed,    // the work threw; the message is its message
        Crashed,   // the child died or ended without handing back a result
        TimedOut,  // the child was still at work at the deadline and was killed
    };
    IsolationError(Kind kind, const std::string& message)
        : std::runtime_error(message), kind_(kind) {}
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

// Work for the child. It returns the bytes to hand back; they must stay valid
// until the child ends, which it does right after sending them, freeing
// nothing. A std::exception it throws is handed back as its message.
using IsolatedWork = std::function<std::span<const char>()>;

// Where the parent keeps the child's answer: called once with the answer's
// size, it returns a buffer of that size owned by the caller (nullptr when
// there is no memory for it; for size 0 it may be nullptr as well).
using AnswerBuffer = std::function<char*(std::size_t size)>;

// Runs `work` in a forked child process, reads the bytes it handed back into
// a buffer from `buffer` and returns their number; throws IsolationError when
// the work failed, crashed or took longer than `timeout`. The child is a copy
// of the calling process holding only the calling thread: the work must be
// plain C++ and C libraries that take no lock another thread may have held at
// the fork (no Qt).
std::size_t run_isolated(const IsolatedWork& work, const AnswerBuffer& buffer,
                         std::chrono::milliseconds timeout);
