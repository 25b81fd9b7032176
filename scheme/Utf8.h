#pragma once

// The length of a UTF-8 text as Windows counts it, in UTF-16 units: one a
// character, two for one outside the Basic Multilingual Plane (a four-byte
// sequence).
inline int Utf16Length(const char* utf8) {
  int units = 0;
  for (auto byte = reinterpret_cast<const unsigned char*>(utf8); *byte; ++byte)
    if ((*byte & 0xC0) != 0x80) units += *byte >= 0xF0 ? 2 : 1;
  return units;
}
