// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/script_line_error.h"
#include "cli/script_words.h"

#include <gtest/gtest.h>

namespace volcalc::cli {
namespace {

std::vector<std::string> Split(std::string_view line) {
    std::vector<std::string_view> words;
    SplitWords(line, words);
    return {words.begin(), words.end()};
}

TEST(ScriptWords, BlanksQuotesAndTabs) {
    using V = std::vector<std::string>;
    EXPECT_EQ(Split("object Cylinder millimeter 1 10 20"),
              (V{"object", "Cylinder", "millimeter", "1", "10", "20"}));
    EXPECT_EQ(Split("  show \"metric ton\"\r"), (V{"show", "metric ton"}));
    EXPECT_EQ(Split("object\t\"Part of sphere\"\tmeter 2 1,5 0.5"),
              (V{"object", "Part of sphere", "meter", "2", "1,5", "0.5"}));
    EXPECT_EQ(Split("add-material \"\" 5"), (V{"add-material", "", "5"}));
    EXPECT_EQ(Split(""), V{});
}

TEST(ScriptWords, UnclosedQuoteIsAnError) {
    std::vector<std::string_view> words;
    try {
        SplitWords("show \"metric ton", words);
        ADD_FAILURE() << "split";
    } catch (const LineError& e) {
        EXPECT_STREQ(e.what(), "unclosed double quote");
    }
}

TEST(ScriptWords, IgnoredLines) {
    EXPECT_TRUE(IsIgnoredLine(""));
    EXPECT_TRUE(IsIgnoredLine("   \t"));
    EXPECT_TRUE(IsIgnoredLine("  # note"));
    EXPECT_FALSE(IsIgnoredLine("show # not a comment here"));
}

} // namespace
} // namespace volcalc::cli
