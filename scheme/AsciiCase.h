#pragma once

// Case folding of the ASCII letters only: A to Z and a to z. Other
// characters, those of the ANSI code page beyond ASCII included, stay as
// they are.

inline char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline void LowerAsciiLetters(char* text) {
  for (; *text; ++text) *text = LowerAscii(*text);
}

inline bool EqualIgnoringAsciiCase(const char* a, const char* b) {
  for (; *a && LowerAscii(*a) == LowerAscii(*b); ++a, ++b) {
  }
  return *a == *b;
}
