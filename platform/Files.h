#pragma once

// Thin names over the Win32 file calls, with results as booleans.

// GetFileAttributesA succeeded: a file or directory of that name exists.
bool FileExists(const char* name);

// DeleteFileA.
bool RemoveFile(const char* name);

// MoveFileExA, replacing an existing target and writing through; on the
// same volume the target is either the old file or the new one, never a mix.
bool MoveFileOver(const char* from, const char* to);
