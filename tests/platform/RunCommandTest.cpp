#include <gtest/gtest.h>

#include "platform/FakePlatform.h"
#include "platform/RunCommand.h"
#include "store/Errors.h"
#include "text/Convert.h"

TEST(RunCommand, AbortEndsSilentlyOtherErrorsAreReported) {
    FakePlatform fake;
    bool after = false;
    RunCommand([&] {
        throw AbortCommand();
        after = true;  // never reached
    });
    EXPECT_FALSE(after);
    EXPECT_TRUE(fake.errors.isEmpty());
    EXPECT_TRUE(fake.infos.isEmpty());

    RunCommand([] { StrToInt64("12ab"); });
    ASSERT_EQ(fake.errors.size(), 1);
    EXPECT_TRUE(fake.errors[0].contains("12ab"));

    RunCommand([] { throw std::runtime_error("磁盘已满"); });
    ASSERT_EQ(fake.errors.size(), 2);
    EXPECT_EQ(fake.errors[1], "磁盘已满");

    RunCommand([] { throw 42; });
    EXPECT_EQ(fake.errors.size(), 3);

    int ran = 0;
    RunCommand([&] { ++ran; });
    EXPECT_EQ(ran, 1);
    EXPECT_EQ(fake.errors.size(), 3);
}
