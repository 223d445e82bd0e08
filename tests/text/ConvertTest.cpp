#include <gtest/gtest.h>

#include <limits>

#include "text/Convert.h"

TEST(Convert, ReadsIntegers) {
    struct Case {
        const char* text;
        std::int64_t value;
    } cases[] = {
        {"0", 0},
        {"81", 81},
        {"0081", 81},
        {" 42 ", 42},
        {"-1", -1},
        {"+7", 7},
        {"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
        {"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
    };
    for (const Case& c : cases) EXPECT_EQ(StrToInt64(c.text), c.value) << c.text;
}

TEST(Convert, RejectsWhatIsNoInteger) {
    for (const char* text : {"", " ", "abc", "12a", "1.5", "-", "9223372036854775808", "-9223372036854775809",
                             "１２", "0x10", "$1F", "+-1", "- 1"}) {
        EXPECT_THROW(StrToInt64(text), ConversionError) << text;
    }
    EXPECT_THROW(StrToInt("2147483648"), ConversionError);
    EXPECT_EQ(StrToInt("-2147483648"), std::numeric_limits<std::int32_t>::min());
}

TEST(Convert, ErrorNamesTheText) {
    try {
        StrToInt64("12x");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_NE(std::string(e.what()).find("12x"), std::string::npos);
        EXPECT_EQ(e.text(), "12x");
    }
}
