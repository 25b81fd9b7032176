#include "Button.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include "PixelMap.h"

namespace {

Picture Map(const std::string& text, int size = 8) {
  std::istringstream in(text);
  return ReadPixelMap(in, "button", size, size, false);
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

// The same at 200 %: each ring two pixels wide, each ring's corners as at 100 %.
const char kRaisedDoubled[] =
    "WWWWWWWWWWkk\n"
    "WWWWWWWWWWkk\n"
    "WWWWWWWWKKkk\n"
    "WWWWWWWWKKkk\n"
    "WWWWRwwwKKkk\n"
    "WWWWwwwwKKkk\n"
    "WWWWwwwwKKkk\n"
    "WWWWwwwwKKkk\n"
    "WWKKKKKKKKkk\n"
    "WWKKKKKKKKkk\n"
    "kkkkkkkkkkkk\n"
    "kkkkkkkkkkkk\n";

TEST(Button, ARaisedBevelPassesTheCheck) {
  EXPECT_NO_THROW(CheckRaisedBevel(Map(kRaised), 1, "button"));
  EXPECT_NO_THROW(CheckRaisedBevel(Map(kRaisedDoubled, 12), 2, "button"));
}

TEST(Button, ABrokenBevelIsRejectedByLineAndColumn) {
  std::string text = kRaised;
  text[6 * 9 + 3] = 'w';  // a silver gap in the inner shadow
  try {
    CheckRaisedBevel(Map(text), 1, "art/buttons/1002.txt");
    FAIL() << "accepted";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(),
                 "art/buttons/1002.txt:7: column 4 is 'w' but the raised bevel needs 'K'");
  }
}

TEST(Button, PressingInvertsTheBevelAndMovesTheFaceDownRightByARing) {
  struct Case {
    int ring_width, size;
    const char* raised;
    const char* pressed;
  };
  const Case cases[] = {
      {1, 8, kRaised,
       "kkkkkkkW\n"
       "kKKKKKWW\n"
       "kKwwwwWW\n"
       "kKwwwwWW\n"
       "kKwwRwWW\n"
       "kKwwwwWW\n"
       "kWWWWWWW\n"
       "WWWWWWWW\n"},
      {2, 12, kRaisedDoubled,
       "kkkkkkkkkkWW\n"
       "kkkkkkkkkkWW\n"
       "kkKKKKKKWWWW\n"
       "kkKKKKKKWWWW\n"
       "kkKKwwwwWWWW\n"
       "kkKKwwwwWWWW\n"
       "kkKKwwRwWWWW\n"
       "kkKKwwwwWWWW\n"
       "kkWWWWWWWWWW\n"
       "kkWWWWWWWWWW\n"
       "WWWWWWWWWWWW\n"
       "WWWWWWWWWWWW\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("ring width " + std::to_string(c.ring_width));
    EXPECT_EQ(Pressed(Map(c.raised, c.size), c.ring_width).pixels, Map(c.pressed, c.size).pixels);
  }
}

}  // namespace
