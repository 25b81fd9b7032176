#pragma once

// The Win32 private-profile calls that the settings file goes through, by
// name. A bare file name would be looked for in the Windows directory, so
// callers pass ".\name" for a file in the current directory.

// GetPrivateProfileStringA with the default "": the value, cut to size - 1
// characters and NUL-terminated.
void ReadProfileValue(const char* section, const char* key, char* buffer, unsigned size,
                      const char* file);

// WritePrivateProfileStringA: creates the file and section as needed.
bool WriteProfileValue(const char* section, const char* key, const char* value, const char* file);
