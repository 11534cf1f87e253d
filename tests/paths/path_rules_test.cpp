#include "paths/path_rules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace kelvaro {
namespace {

// The file-name rule as a plain sequence of steps: every "*" replaced from the start again and
// again, then the "?" marks filled one at a time, always the first one left.
std::string MakeFileNameByReplacing(const std::string& pattern, std::int32_t number) {
    const std::string digits = std::to_string(number);
    const std::int64_t length = static_cast<std::int64_t>(digits.size());
    std::string text = pattern;
    while (ReplaceFirst(text, "*", digits)) {
    }
    std::int64_t marks = 0;
    for (char c : text) {
        marks += (c == '?');
    }
    for (std::int64_t j = 0; j < marks; ++j) {
        const std::string filler =
            j < marks - length ? "0"
                               : digits.substr(static_cast<std::size_t>(length - marks + j), 1);
        ReplaceFirst(text, "?", filler);
    }
    return text;
}

struct NameCase {
    const char* pattern;
    std::int32_t number;
    const char* name;
};

TEST(MakeFileName, FillsMarksAsTheWorkedExamplesShow) {
    const NameCase cases[] = {
        {"img???.jpg", 7, "img007.jpg"},
        {"img???.jpg", 1234, "img234.jpg"},
        {"img???.jpg", 0, "img000.jpg"},
        {"*.html", 7, "7.html"},
        {"*.html", 0, "0.html"},
        {"*.html", -7, "-7.html"},
        {"*_*.txt", 12, "12_12.txt"},
        {"p?"
         "?-*.txt",
         1234,  // split so the compiler sees no trigraph
         "p34-1234.txt"},
        {"*??", 5, "505"},
        {"a?b?c", 5, "a0b5c"},
        {"a?b?c", 123, "a2b3c"},
        {"???", -7, "0-7"},
        {"??", -123, "23"},
        {"??", 1234, "34"},
        {"x.txt", 5, "x.txt"},
        {"x.txt", 99, "x.txt"},
        {"", 5, ""},
        {"表?.jpg", 3, "表3.jpg"},
        {"?", std::numeric_limits<std::int32_t>::min(), "8"},
        {"???????????", std::numeric_limits<std::int32_t>::min(), "-2147483648"},
        {"????????????", std::numeric_limits<std::int32_t>::min(), "0-2147483648"},
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(MakeFileName(c.pattern, c.number), c.name) << c.pattern << " with " << c.number;
    }
}

TEST(MakeFileName, AgreesWithTheStepByStepRuleOnRandomPatterns) {
    std::mt19937 random(20261211);
    const std::string pieces[] = {"?", "?", "*", "a", ".", "\\", "表", "ｱ", "0", "-", "??", "**"};
    const std::int32_t specials[] = {std::numeric_limits<std::int32_t>::min(), -1, 0, 1, 9, 10,
                                     std::numeric_limits<std::int32_t>::max()};
    std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> count(0, 24);
    std::uniform_int_distribution<std::int32_t> anyNumber(std::numeric_limits<std::int32_t>::min(),
                                                          std::numeric_limits<std::int32_t>::max());
    for (int round = 0; round < 5000; ++round) {
        std::string pattern;
        for (int i = count(random); i > 0; --i) {
            pattern += pieces[piece(random)];
        }
        const std::int32_t number =
            round % 2 ? anyNumber(random)
                      : specials[static_cast<std::size_t>(round / 2) % std::size(specials)];
        ASSERT_EQ(MakeFileName(pattern, number), MakeFileNameByReplacing(pattern, number))
            << "pattern " << pattern << " number " << number;
    }
}

TEST(MakeFileName, HandlesAHundredThousandMarks) {
    // Each keystroke in the pattern field runs this; a long pattern must not stall it.
    const std::string pattern(100000, '?');
    const std::string name = MakeFileName(pattern, 42);
    ASSERT_EQ(name.size(), pattern.size());
    EXPECT_EQ(name.substr(name.size() - 3), "042");
    EXPECT_EQ(name.find_first_not_of('0'), name.size() - 2);
}

TEST(ReplaceFirst, ReplacesOnlyTheFirstOccurrence) {
    std::string text = "a*b*c";
    EXPECT_TRUE(ReplaceFirst(text, "*", "12"));
    EXPECT_EQ(text, "a12b*c");
    EXPECT_TRUE(ReplaceFirst(text, "b*", ""));
    EXPECT_EQ(text, "a12c");
    EXPECT_FALSE(ReplaceFirst(text, "*", "x"));
    EXPECT_EQ(text, "a12c");
}

struct FolderCase {
    std::int32_t depth;
    std::int32_t number;
    std::int32_t maximum;
    const char* path;
};

TEST(MakeFolderPath, BuildsLevelsOutermostFirst) {
    const FolderCase cases[] = {
        {2, 12345, 100, "1\\123\\"},
        {3, 12345, 10, "12\\123\\1234\\"},
        {2, 100, 10, "1\\10\\"},
        {3, 5, 10, "0\\0\\0\\"},
        {1, -150, 100, "-1\\"},
        {0, 12345, 100, ""},
        {-1, 12345, 100, ""},
        {2, 12345, 0, ""},
        {2, 12345, -5, ""},
        {2, 0, 100, "0\\0\\"},
        {2, 99, 10, "0\\9\\"},
        {3, 12345, 1, "12345\\12345\\12345\\"},
        {1, std::numeric_limits<std::int32_t>::min(), 2, "-1073741824\\"},
        {3, 1, 2, "0\\0\\0\\"},
    };
    for (const FolderCase& c : cases) {
        EXPECT_EQ(MakeFolderPath(c.depth, c.number, c.maximum), c.path)
            << "depth " << c.depth << " number " << c.number << " maximum " << c.maximum;
    }
    std::string deep;
    for (int level = 0; level < 127; ++level) {
        deep += "0\\";
    }
    EXPECT_EQ(MakeFolderPath(127, 1, 2), deep);
}

TEST(MakeFolderPath, MakesTheWorkedFullPaths) {
    const std::string base = "C:\\data\\";
    EXPECT_EQ(base + MakeFolderPath(2, 12345, 100) + MakeFileName("img???.jpg", 12345),
              "C:\\data\\1\\123\\img345.jpg");
    EXPECT_EQ(base + MakeFolderPath(2, 0, 100) + MakeFileName("img???.jpg", 0),
              "C:\\data\\0\\0\\img000.jpg");
}

struct DepthCase {
    std::int32_t end;
    std::int32_t maximum;
    std::int32_t depth;
};

TEST(RequiredDepth, CountsDivisionsUntilBelowTheMaximum) {
    const DepthCase cases[] = {
        {100, 10, 2},
        {99, 10, 1},
        {12345, 100, 2},
        {9999, 100, 1},
        {32766, 32767, 0},
        {32767, 32767, 1},
        {-5, 10, 0},
        {9, 10, 0},
        {10, 10, 1},
        {12345, 1, 0},
        {12345, 0, 0},
        {12345, -3, 0},
        {std::numeric_limits<std::int32_t>::max(), 2, 30},
        {std::numeric_limits<std::int32_t>::min(), 2, 0},
    };
    for (const DepthCase& c : cases) {
        EXPECT_EQ(RequiredDepth(c.end, c.maximum), c.depth)
            << "end " << c.end << " maximum " << c.maximum;
    }
}

TEST(BuildSubFolders, PutsEachSideSubFolderInFrontOnlyWhenItsMaximumIsAnInteger) {
    TransferPathValues values;
    values.FromMax = 100;
    values.FromMaxIsInt = true;
    values.FromDepth = 2;
    values.ToMax = 10;
    values.ToMaxIsInt = false;  // an unconvertible To maximum: no sub-folders on that side
    values.ToDepth = 1;
    values.FromPath = "a.jpg";
    values.ToPath = "b.jpg";

    BuildSubFolders(values, 12345, 77);

    EXPECT_EQ(values.FromSubDir, "1\\123\\");
    EXPECT_EQ(values.FromPath, "1\\123\\a.jpg");
    EXPECT_EQ(values.ToSubDir, "7\\");  // still recomputed, from the To number
    EXPECT_EQ(values.ToPath, "b.jpg");
}

TEST(BuildSubFolders, ZeroMaximumGivesEmptySubFolderWithoutDividing) {
    TransferPathValues values;
    values.FromMax = 0;
    values.FromMaxIsInt = true;
    values.FromDepth = 3;
    values.ToMax = 10;
    values.ToMaxIsInt = true;
    values.ToDepth = 2;
    values.FromSubDir = "stale\\";
    values.FromPath = "a.jpg";
    values.ToPath = "b.jpg";

    BuildSubFolders(values, 5, 100);

    EXPECT_EQ(values.FromSubDir, "");
    EXPECT_EQ(values.FromPath, "a.jpg");
    EXPECT_EQ(values.ToSubDir, "1\\10\\");
    EXPECT_EQ(values.ToPath, "1\\10\\b.jpg");
}

}  // namespace
}  // namespace kelvaro
