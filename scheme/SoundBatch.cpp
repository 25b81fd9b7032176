#include "scheme/SoundBatch.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "scheme/AsciiCase.h"
#include "scheme/EventTable.h"
#include "scheme/Utf8.h"

namespace {

bool EndsIn(const char* path, std::initializer_list<const char*> extensions) {
  const char* dot = std::strrchr(FileName(path), '.');
  for (const char* extension : extensions)
    if (dot && EqualIgnoringAsciiCase(dot, extension)) return true;
  return false;
}

}  // namespace

void SoundBatch::Take(const char* path) {
  const bool wav = IsWavFile(path);
  if ((!wav && !IsConvertible(path)) || Utf16Length(path) >= SoundPathSize) {
    leftOut.Add(path);
  } else if (room > 0) {
    (wav ? added : toConvert).Add(path);
    --room;
  } else {
    noRoom.Add(path);
  }
}

// ".wave" as well, which Windows' own "*.wav" finds through the short name.
bool IsWavFile(const char* path) { return EndsIn(path, {".wav", ".wave"}); }

bool IsConvertible(const char* path) {
  return EndsIn(path, {".mp3", ".flac", ".ogg", ".m4a", ".aac", ".wma"});
}

const char* FileName(const char* path) {
  const char* name = path;
  for (const char* c = path; *c; ++c)
    if (*c == '\\' || *c == '/' || *c == ':') name = c + 1;
  return name;
}

void NameFiles(const NameList& paths, char* text, int size) {
  int used = 0, named = 0, more = 0;
  text[0] = '\0';
  for (const char* path = paths.First(); path; path = paths.Next(path)) {
    if (named == MaxNamed) {
      ++more;
      continue;
    }
    int written =
        std::snprintf(text + used, size - used, "%s%s", named ? "\n" : "", FileName(path));
    if (written < 0 || written >= size - used) {
      text[used] = '\0';  // no name cut short, nor a character
      return;
    }
    used += written;
    ++named;
  }
  if (more) std::snprintf(text + used, size - used, "\nAnd %d More", more);
}
