#include "base/text.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(Text, CaseHelpers) {
  EXPECT_TRUE(SameText("MainWindow", "MAINWINDOW"));
  EXPECT_FALSE(SameText("Main", "MainWindow"));
  EXPECT_EQ(UpperCase("/c:1234"), "/C:1234");
  EXPECT_EQ(UpperCase("\xe9"), "\xe9");  // only ASCII letters change
}

TEST(Text, Cp1252RoundTrip) {
  EXPECT_EQ(Cp1252ToUtf8("caf\xe9 \x80 \x96"), "caf\xc3\xa9 \xe2\x82\xac \xe2\x80\x93");
  EXPECT_EQ(Utf8ToCp1252("caf\xc3\xa9 \xe2\x82\xac \xe2\x80\x93"), "caf\xe9 \x80 \x96");
  EXPECT_EQ(Utf8ToCp1252("\xe4\xb8\xad"), "?");
  EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xc2\x81");
}

TEST(Text, NamePartTakesWhatFollowsTheLastSeparator) {
  EXPECT_EQ(NamePart("scenes\\Sea.KVP"), "Sea.KVP");
  EXPECT_EQ(NamePart("a/b\\c/d.jpg"), "d.jpg");
  EXPECT_EQ(NamePart("plain"), "plain");
  EXPECT_EQ(NamePart("folder\\"), "");
}

TEST(Text, SplitLinesOnEveryLineBreakStyle) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\n\nb\n"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_TRUE(SplitLines("").empty());
}

TEST(Text, ParseInt32AcceptsOnlyDecimalIntegers) {
  EXPECT_EQ(ParseInt32("2147483647"), 2147483647);
  EXPECT_EQ(ParseInt32("-2147483648"), INT32_MIN);
  EXPECT_FALSE(ParseInt32("2147483648"));
  EXPECT_FALSE(ParseInt32("-"));
  EXPECT_FALSE(ParseInt32("1x"));
  EXPECT_FALSE(ParseInt32(""));
}

}  // namespace
}  // namespace kv
