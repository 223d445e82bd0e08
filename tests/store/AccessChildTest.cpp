#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <thread>
#include <vector>

#include "store/AccessChild.h"
#include "tests/support/SqliteFixture.h"

namespace {

using namespace std::chrono_literals;

// Busy for ever; the atomic keeps the loop from being a forbidden side-effect-free one.
void Spin() {
    std::atomic<unsigned long> n{0};
    for (;;) n.fetch_add(1, std::memory_order_relaxed);
}

ChildLimits Limits(std::chrono::milliseconds wall = 2000ms, unsigned cpu = 2) {
    ChildLimits limits;
    limits.wallTime = wall;
    limits.cpuSeconds = cpu;
    limits.extraAddressSpace = 256ULL << 20;
    limits.maxFileSize = 1ULL << 20;
    return limits;
}

TEST(RunInChild, ReportsSuccessAndTheWorksOwnFailures) {
    EXPECT_TRUE(RunInChild([] { return std::string(); }, Limits()).ok);

    ChildOutcome said = RunInChild([] { return std::string("catalogue unreadable"); }, Limits());
    EXPECT_FALSE(said.ok);
    EXPECT_EQ(said.error, "catalogue unreadable");

    ChildOutcome threw = RunInChild([]() -> std::string { throw std::runtime_error("bad row"); }, Limits());
    EXPECT_FALSE(threw.ok);
    EXPECT_EQ(threw.error, "bad row");

    // A long message arrives cut to a bounded size.
    ChildOutcome longOne = RunInChild([] { return std::string(100000, 'x'); }, Limits());
    EXPECT_FALSE(longOne.ok);
    EXPECT_EQ(longOne.error.size(), 4096u);
}

TEST(RunInChild, AChildThatDiesOrLeavesByExitFails) {
    struct Case {
        const char* name;
        std::function<std::string()> work;
    } cases[] = {
        {"segfault",
         [] {
             std::raise(SIGSEGV);
             return std::string();
         }},
        {"abort",
         [] {
             std::abort();
             return std::string();
         }},
        // libmdb calls exit() on some errors; that must not pass for success.
        {"exit(0)",
         [] {
             std::exit(0);
             return std::string();
         }},
        {"exit(1)",
         [] {
             std::exit(1);
             return std::string();
         }},
    };
    for (const Case& c : cases) {
        ChildOutcome out = RunInChild(c.work, Limits());
        EXPECT_FALSE(out.ok) << c.name;
        EXPECT_FALSE(out.error.empty()) << c.name;
    }
}

TEST(RunInChild, ExitInTheChildRunsNoneOfTheParentsExitHandlers) {
    TempDir dir;
    static std::string marker;
    marker = dir.File("handler-ran");
    // Registered in the parent, inherited by the child: the child must not run it.
    static bool registered = false;
    if (!registered) {
        std::atexit([] {
            if (!marker.empty()) WriteFile(marker, "ran");
        });
        registered = true;
    }
    EXPECT_FALSE(RunInChild(
                     [] {
                         std::exit(0);
                         return std::string();
                     },
                     Limits())
                     .ok);
    EXPECT_FALSE(std::filesystem::exists(marker));
    marker.clear();
}

TEST(RunInChild, LimitsStopRunawayChildren) {
    struct Case {
        const char* name;
        std::function<std::string()> work;
        ChildLimits limits;
    } cases[] = {
        {"endless loop, stopped by the wall clock",
         [] {
             Spin();
             return std::string();
         },
         Limits(300ms, 10)},
        {"blocked child, stopped by the wall clock",
         [] {
             std::this_thread::sleep_for(60s);
             return std::string();
         },
         Limits(300ms, 10)},
        {"endless loop, stopped by the processor limit",
         [] {
             Spin();
             return std::string();
         },
         Limits(5000ms, 1)},
        {"output beyond its size",
         [dir = std::make_shared<TempDir>()] {
             std::FILE* f = std::fopen(dir->File("big").c_str(), "wb");
             std::vector<char> chunk(1 << 16, 'x');
             for (int i = 0; i < 64; ++i)
                 if (std::fwrite(chunk.data(), 1, chunk.size(), f) != chunk.size() || std::fflush(f) != 0)
                     return std::string("write refused");
             std::fclose(f);
             return std::string();
         },
         Limits()},
    };
    for (const Case& c : cases) {
        const auto start = std::chrono::steady_clock::now();
        ChildOutcome out = RunInChild(c.work, c.limits);
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_FALSE(out.ok) << c.name;
        EXPECT_LT(took, c.limits.wallTime + 1s) << c.name;
    }
}

TEST(RunInChild, MemoryBeyondTheLimitFails) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "address-space limits are off under AddressSanitizer";
#else
    ChildOutcome out = RunInChild(
        [] {
            std::vector<char*> blocks;
            for (int i = 0; i < 64; ++i) {
                char* p = new char[64 << 20];  // 4 GiB in all, far past the limit
                p[0] = 1;
                blocks.push_back(p);
            }
            return std::string();
        },
        Limits());
    EXPECT_FALSE(out.ok);
    EXPECT_NE(out.error.find("bad_alloc"), std::string::npos) << out.error;
#endif
}

}  // namespace
