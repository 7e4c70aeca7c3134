// The phonebook templates as stored.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "connection/Phonebook.h"

namespace {

std::vector<std::string> Lines(const CString& text) {
  std::vector<std::string> lines;
  std::string current;
  for (char ch : text.Str()) {
    if (ch == '\n') {
      lines.push_back(current);
      current.clear();
    } else {
      current += ch;
    }
  }
  EXPECT_TRUE(current.empty()) << "text does not end with a line feed";
  return lines;
}

// Line n as numbered in the entry (1-based).
std::string Line(const std::vector<std::string>& lines, size_t n) {
  return n <= lines.size() ? lines[n - 1] : "";
}

TEST(PhonebookTest, TemplatesHaveNinetyOneLinesAndDifferOnlyWhereTheyShould) {
  auto p = Lines(LoadPhonebookTemplate(PhonebookTemplate::P));
  auto l = Lines(LoadPhonebookTemplate(PhonebookTemplate::L));
  ASSERT_EQ(p.size(), 91u);
  ASSERT_EQ(l.size(), 91u);
  std::vector<size_t> differing;
  for (size_t n = 1; n <= 91; ++n)
    if (Line(p, n) != Line(l, n)) differing.push_back(n);
  EXPECT_EQ(differing, (std::vector<size_t>{6, 7, 9, 12, 13, 51, 82, 84, 85}));
  EXPECT_EQ(Line(p, 1), "[pelmarok]");
  EXPECT_EQ(Line(p, 71), "");
  EXPECT_EQ(Line(p, 91), "");
  EXPECT_EQ(Line(l, 9), "VpnStrategy=3");
  EXPECT_EQ(Line(l, 82), "PhoneNumber=127.0.0.1");
  EXPECT_EQ(Line(p, 82).rfind("PhoneNumber=", 0), 0u);
  EXPECT_EQ(Line(l, 85), "CountryID=86");
}

TEST(PhonebookTest, StringBoundariesStaySeparateLines) {
  auto p = Lines(LoadPhonebookTemplate(PhonebookTemplate::P));
  EXPECT_EQ(Line(p, 49), "PreviewPhoneNumber=0");
  EXPECT_EQ(Line(p, 50), "ShowDialingProgress=1");
  auto l = Lines(LoadPhonebookTemplate(PhonebookTemplate::L));
  EXPECT_EQ(Line(l, 40), "PreferredDevice=WAN 微型端口 (L2TP)");
  EXPECT_EQ(Line(l, 41), "PreferredBps=0");
}

}  // namespace
