#pragma once

// The Win32 private-profile calls that the settings file goes through, by
// name, with texts in UTF-8. A bare file name would be looked for in the
// Windows directory, so callers pass ".\\name" for a file in the current
// directory. A file that begins with the UTF-16LE byte-order mark is read
// and written in UTF-16; any other, in the ANSI code page.

// GetPrivateProfileStringW with the default "", cut to units - 1 UTF-16
// units, into a buffer of size bytes.
void ReadProfileValue(const char* section, const char* key, unsigned units, char* buffer,
                      unsigned size, const char* file);

// WritePrivateProfileStringW: creates the file and section as needed.
bool WriteProfileValue(const char* section, const char* key, const char* value, const char* file);

// Whether a file without the byte-order mark holds the value exactly: the
// ANSI code page has every character of it, with no look-alike.
bool AnsiProfileHolds(const char* value);

// Gives an empty file the UTF-16LE byte-order mark, so that what is written
// into it from then on is UTF-16.
bool MakeUnicodeProfile(const char* file);
