#include "platform/convert.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace kelvaro {
namespace {

struct Accepted {
    const char* text;
    std::int32_t value;
};

TEST(StrToInt, AcceptsDecimalAndHexadecimalForms) {
    const Accepted cases[] = {
        {"0", 0},
        {"7", 7},
        {"007", 7},
        {"-7", -7},
        {"+7", 7},
        {"-0", 0},
        {"   42", 42},
        {" -42", -42},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"000000000000002147483647", 2147483647},
        {"$10", 16},
        {"x1f", 31},
        {"X1F", 31},
        {"0x1f", 31},
        {"0XaB", 171},
        {"$FFFFFFFF", -1},
        {"0x80000000", std::numeric_limits<std::int32_t>::min()},
        {"$7FFFFFFF", 2147483647},
        {"$000000000FFFFFFFF", -1},  // leading zeros are not significant
        {"-$10", 16},                // a sign before a hexadecimal form has no effect
        {"+0x10", 16},
        {"  -x10", 16},
        {"$0", 0},
    };
    for (const Accepted& c : cases) {
        EXPECT_EQ(StrToInt(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(StrToInt, RefusesEverythingElseWithAConversionError) {
    const char* const refused[] = {
        "",           "   ",         "-",
        "+",          "$",           "x",
        "0x",         "-0x",         "42 ",
        "4 2",        "1.5",         "1,000",
        "\t42",       "42\n",        "abc",
        "--1",        "+-1",         "- 1",
        "2147483648", "-2147483649", "99999999999999999999",
        "$123456789", "0x100000000", "$FG",
        "0x-1",       "１２",        "$ 1",
        "00x1",
    };
    for (const char* text : refused) {
        EXPECT_THROW(StrToInt(text), ConvertError) << '"' << text << '"';
    }
}

TEST(StrToInt, ConversionErrorNamesTheText) {
    try {
        StrToInt("1.5");
        FAIL() << "no conversion error";
    } catch (const ConvertError& error) {
        EXPECT_NE(std::string(error.what()).find("'1.5'"), std::string::npos);
    }
}

TEST(IntToStr, WritesTheShortestDecimalForm) {
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(7), "7");
    EXPECT_EQ(IntToStr(-7), "-7");
    EXPECT_EQ(IntToStr(std::numeric_limits<std::int32_t>::min()), "-2147483648");
    EXPECT_EQ(IntToStr(std::numeric_limits<std::int32_t>::max()), "2147483647");
    for (std::int32_t value : {-100000, -1, 0, 1, 99, 123456789}) {
        EXPECT_EQ(StrToInt(IntToStr(value)), value);
    }
}

}  // namespace
}  // namespace kelvaro
