// The pieces of a log line: the stamp, concealed secrets, the text made safe
// to read, and the note on a user name.
#include <gtest/gtest.h>

#include "log/LogText.h"
#include "log/UserNameNote.h"

namespace {

TEST(LogText, StampHasTheMillisecondsTheOffsetAndTheTick) {
  EXPECT_EQ(LogStamp({2024, 5, 1, 12, 0, 9, 7, -210}, 4294967295u),
            "2024-05-01 12:00:09.007 -03:30 [4294967295] ");
  EXPECT_EQ(LogStamp({2025, 12, 31, 23, 59, 59, 999, 345}, 0), "2025-12-31 23:59:59.999 +05:45 [0] ");
}

TEST(LogText, EverySecretIsConcealedWhereverItStands) {
  EXPECT_EQ(ConcealSecrets("pw and pwpw, PW", {"pw", ""}), "******** and ****************, PW");
  EXPECT_EQ(ConcealSecrets("비밀Velk#1 seen", {"nothing", "비밀Velk#1"}), "******** seen");
  // A mark never makes a secret anew, with what it joins either.
  EXPECT_EQ(ConcealSecrets("aa* and **", {"a*", "**"}), "a######## and ########");
  EXPECT_EQ(ConcealSecrets("x*#~?=_ y", {"*#~", "?=_", "y"}), "");
}

// Nothing in a line can break it, forge another, reorder what a reader sees
// or be no UTF-8; a long text is cut at a whole character.
TEST(LogText, SafeTextEscapesWhatWouldBreakOrHideAndCutsAtACharacter) {
  EXPECT_EQ(LogSafeText("a\r\nb\tc\x7F", 100), "a\\r\\nb\\tc\\x7F");
  EXPECT_EQ(LogSafeText("\xC3(\xC0\xAF\xED\xA0\x80", 100), "\\xC3(\\xC0\\xAF\\xED\\xA0\\x80");
  EXPECT_EQ(LogSafeText("x\xE2\x80\xAEy\xC2\x85z\xE2\x80\xA8", 100), "x\\u202Ey\\u0085z\\u2028");
  EXPECT_EQ(LogSafeText("인증과정 认证", 100), "인증과정 认证");
  EXPECT_EQ(LogSafeText("abcdefghij", 10), "abcdefghij");
  EXPECT_EQ(LogSafeText("가나다라", 10), "가나...");
  EXPECT_EQ(LogSafeText("ab\ncdefgh", 8), "ab\\nc...");
}

TEST(UserNameNote, ShowsEnoughToRecogniseTheNameAndItsTypingFaults) {
  auto ansi = [](std::string_view ch) { return static_cast<unsigned char>(ch[0]) < 0x80; };
  EXPECT_EQ(UserNameNote("kimchul", ansi), "\"ki****l\" (7 characters)");
  EXPECT_EQ(UserNameNote("kim", ansi), "\"k**\" (3 characters)");
  EXPECT_EQ(UserNameNote("ab", ansi), "\"**\" (2 characters)");
  EXPECT_EQ(UserNameNote(" kim ", ansi),
            "\" ****\" (5 characters, a blank at its start, a blank at its end)");
  EXPECT_EQ(UserNameNote("김철수ab", ansi), "\"김****\" (5 characters, 3 the code page cannot hold)");
  EXPECT_EQ(UserNameNote("", ansi), "\"\" (0 characters)");
}

}  // namespace
