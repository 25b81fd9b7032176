#pragma once
#include "platform/WideText.h"

// Thin names over the Win32 file calls, with results as booleans and names
// in UTF-8.

// GetFileAttributesW succeeded: a file or directory of that name exists.
bool FileExists(const char* name);

// CreateFileW for reading, sharing everything, succeeded: the file exists
// and another program does not hold it locked against readers.
bool FileCanBeRead(const char* name);

// CreateDirectoryW, or a directory of that name is there already.
bool MakeDirectory(const char* name);

// DeleteFileW.
bool RemoveFile(const char* name);

// FlushFileBuffers on the file: what any handle wrote to it is on the disk.
bool FlushToDisk(const char* name);

// MoveFileExW, replacing an existing target and writing through; on the
// same volume the target is either the old file or the new one, never a mix.
bool MoveFileOver(const char* from, const char* to);

// GetTempFileNameW: creates an empty file of a new name in the directory,
// the prefix's first three characters followed by four hex digits and
// ".tmp", and writes that name, with the directory before it, into the
// buffer.
constexpr int UniqueNameSize = PathBytes;
bool CreateUniqueFile(const char* directory, const char* prefix, char (&name)[UniqueNameSize]);

// SetCurrentDirectoryW.
bool ChangeDirectory(const char* name);

// GetCurrentDirectoryW; false, with the buffer empty, when it does not fit.
bool CurrentDirectory(char* buffer, int size);

// GetFileAttributesW names a directory.
bool IsDirectory(const char* name);

// The full path (x:\... or \\server\share\...) lies on a drive that may
// not be there later: not a fixed disk, but a removable one, a CD or a
// network drive.
bool MayGoAway(const char* path);
