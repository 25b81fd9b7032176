#pragma once

// Thin names over the Win32 file calls, with results as booleans.

// GetFileAttributesA succeeded: a file or directory of that name exists.
bool FileExists(const char* name);

// CreateFileA for reading, sharing everything, succeeded: the file exists
// and another program does not hold it locked against readers.
bool FileCanBeRead(const char* name);

// CreateDirectoryA, or a directory of that name is there already.
bool MakeDirectory(const char* name);

// DeleteFileA.
bool RemoveFile(const char* name);

// MoveFileExA, replacing an existing target and writing through; on the
// same volume the target is either the old file or the new one, never a mix.
bool MoveFileOver(const char* from, const char* to);

// GetTempFileNameA: creates an empty file of a new name in the directory,
// the prefix's first three characters followed by four hex digits and
// ".tmp", and writes that name, with the directory before it, into the
// buffer.
constexpr unsigned UniqueNameSize = 260;
bool CreateUniqueFile(const char* directory, const char* prefix, char (&name)[UniqueNameSize]);
