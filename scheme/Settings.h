#pragma once

class SoundTable;

// The sound table's copy on disk, chimelo.ini: each event's sounds in its
// section, key slot + 1, value the path. Section names are matched whatever
// the case of their ASCII letters, as the profile calls match them. The
// file is in the ANSI code page, as it always was, while the code page
// holds every path; with any other path, it is UTF-16LE with a byte-order
// mark. Both forms load. The file is named by a path, which a full path
// keeps in one place whatever the current directory; a bare name would be
// looked for in the Windows directory.

// Clears the table and fills it from the file. An event's list ends at its
// first missing or empty key; anything else in the file is ignored. False
// when the file exists but cannot be read: the table stays empty, and saving
// it would lose the sounds in the file.
bool LoadSettings(SoundTable& sounds, const char* file);

// Rewrites the file from the table, all or nothing: the new file is written
// in full under a new name of its own beside it, on the disk, then moved
// over the old one, so a failure, a kill or a power cut at any moment
// leaves either the old file or the new one. A table without sounds leaves
// no file. Returns whether the file now matches the table.
bool SaveSettings(const SoundTable& sounds, const char* file);
