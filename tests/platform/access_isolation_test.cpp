// SPDX-License-Identifier: GPL-2.0-or-later
#include "access_isolation.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

std::string run(const IsolatedWork& work, std::chrono::milliseconds timeout = 10s)
{
    std::string answer;
    const std::size_t size = run_isolated(
        work,
        [&answer](std::size_t length) {
            answer.resize(length);
            return answer.data();
        },
        timeout);
    EXPECT_EQ(size, answer.size());
    return answer;
}

}  // namespace

TEST(RunIsolated, HandsBackWhatTheChildProduced)
{
    EXPECT_EQ(run([] { return std::span<const char>("abc", 3); }), "abc");
    EXPECT_EQ(run_isolated([] { return std::span<const char>(); }, [](std::size_t) -> char* { return nullptr; }, 10s),
              0u);

    // Megabytes pass through whole (more than the pipe holds at once).
    std::string big(9 * 1024 * 1024 + 7, '\0');
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = char(i * 31 % 251);
    EXPECT_TRUE(run([&big] { return std::span<const char>(big); }) == big);
}

TEST(RunIsolated, AnErrorInTheCallerLeavesNoProcessBehind)
{
    const auto failing_buffer = [](std::size_t) -> char* { throw std::bad_alloc(); };
    EXPECT_THROW(run_isolated([] { return std::span<const char>("abc", 3); }, failing_buffer, 10s), std::bad_alloc);
    // Neither a running child nor an unreaped one.
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
}

TEST(RunIsolated, AFailingCrashingOrHangingChildLeavesTheCallerRunning)
{
    using Kind = IsolationError::Kind;
    struct Case {
        const char* name;
        IsolatedWork work;
        Kind kind;
        const char* message = nullptr; // for Failed: the child's own
        std::chrono::milliseconds timeout = 10s;
    };
    const Case cases[] = {
        {"throws", []() -> std::span<const char> { throw std::runtime_error("damaged file: no catalog"); },
         Kind::Failed, "damaged file: no catalog"},
        {"segfaults", []() -> std::span<const char> { std::raise(SIGSEGV); return {}; }, Kind::Crashed},
        {"exits", []() -> std::span<const char> { _exit(3); }, Kind::Crashed},
        {"hangs", []() -> std::span<const char> { for (;;) pause(); }, Kind::TimedOut, nullptr, 200ms},
    };
    for (const Case& c : cases) {
        try {
            run(c.work, c.timeout);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const IsolationError& error) {
            EXPECT_EQ(error.kind(), c.kind) << c.name;
            EXPECT_STREQ(c.message ? error.what() : nullptr, c.message);
        }
    }
}
