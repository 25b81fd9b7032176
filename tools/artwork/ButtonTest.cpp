#include "Button.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include "PixelMap.h"

namespace {

Picture Map(const std::string& text) {
  std::istringstream in(text);
  return ReadPixelMap(in, "button", 8, 8, false);
}

// The smallest raised button: the two-pixel bevel round a silver face with
// one red pixel on it.
const char kRaised[] =
    "WWWWWWWk\n"
    "WWWWWWKk\n"
    "WWwwwwKk\n"
    "WWwRwwKk\n"
    "WWwwwwKk\n"
    "WWwwwwKk\n"
    "WKKKKKKk\n"
    "kkkkkkkk\n";

TEST(Button, ARaisedBevelPassesTheCheck) {
  EXPECT_NO_THROW(CheckRaisedBevel(Map(kRaised), "button"));
}

TEST(Button, ABrokenBevelIsRejectedByLineAndColumn) {
  std::string text = kRaised;
  text[6 * 9 + 3] = 'w';  // a silver gap in the inner shadow
  try {
    CheckRaisedBevel(Map(text), "art/buttons/1002.txt");
    FAIL() << "accepted";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(),
                 "art/buttons/1002.txt:7: column 4 is 'w' but the raised bevel needs 'K'");
  }
}

TEST(Button, PressingInvertsTheBevelAndMovesTheFaceDownRight) {
  const char pressed[] =
      "kkkkkkkW\n"
      "kKKKKKWW\n"
      "kKwwwwWW\n"
      "kKwwwwWW\n"
      "kKwwRwWW\n"
      "kKwwwwWW\n"
      "kWWWWWWW\n"
      "WWWWWWWW\n";
  EXPECT_EQ(Pressed(Map(kRaised)).pixels, Map(pressed).pixels);
}

}  // namespace
