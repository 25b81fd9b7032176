#pragma once
#include <windows.h>

#include <memory>

// Chimelo keeps its text in UTF-8; Windows takes and gives UTF-16. Text
// crosses between the two here, and nowhere else.

// The bytes a path of MAX_PATH UTF-16 units may take in UTF-8: up to three
// a unit.
constexpr int PathBytes = 3 * (MAX_PATH - 1) + 1;

// UTF-8 made UTF-16 for the call it is passed to; null stays null. Text
// that is not UTF-8 comes out empty, never as a look-alike naming another
// file.
class WideText {
 public:
  explicit WideText(const char* utf8);
  operator const wchar_t*() const { return text_.get(); }
  // In UTF-16 units, without the NUL.
  int Length() const { return length_; }

 private:
  std::unique_ptr<wchar_t[]> text_;
  int length_ = 0;
};

// UTF-16 made UTF-8, into a buffer of size bytes. False, with the buffer
// empty, when it does not fit or has no UTF-8 form (a lone surrogate).
bool ToUtf8(const wchar_t* wide, char* buffer, int size);

// The text with every letter lowered as the user's language lowers it, in
// any script, into a buffer of size bytes; false, with the buffer empty,
// when it does not fit.
bool LowerText(const char* utf8, char* buffer, int size);
