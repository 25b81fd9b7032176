#include "scheme/SoundBatch.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "scheme/AsciiCase.h"
#include "scheme/EventTable.h"
#include "scheme/Utf8.h"

namespace {

const char* const Headings[SoundBatch::Reasons] = {
    "Too Many Sounds ! These Were Not Added :\n",
    "Only Sound Files Can Be Added. These Were Left Out :\n",
    "These Files Can Not Be Copied :\n",
    "These Files Could Not Be Read :\n",
    "These Sounds Are Too Long To Be Converted :\n",
    "There Was Not Enough Memory To Convert These Files :\n",
    "The Copies Of These Files Could Not Be Written :\n",
    "No Free Name Was Left For The Copies Of These Files :\n",
    "The Copies Of These Files Would Have Too Long A Path :\n",
};

bool EndsIn(const char* path, std::initializer_list<const char*> extensions) {
  const char* dot = std::strrchr(FileName(path), '.');
  for (const char* extension : extensions)
    if (dot && EqualIgnoringAsciiCase(dot, extension)) return true;
  return false;
}

}  // namespace

void SoundBatch::Take(const char* path) {
  if ((!IsWavFile(path) && !IsConvertible(path)) || Utf16Length(path) >= SoundPathSize) {
    Refuse(LeftOut, path);
  } else if (room > 0) {
    added.Add(path);
    --room;
  } else {
    Refuse(NoRoom, path);
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

void DescribeBatch(const SoundBatch& batch, char* text, int size) {
  int used = 0;
  text[0] = '\0';
  for (int reason = 0; reason < SoundBatch::Reasons; ++reason) {
    if (!batch.refused[reason].First()) continue;
    const int written = std::snprintf(text + used, size - used, "%s%s", used ? "\n\n" : "",
                                      Headings[reason]);
    if (written < 0 || written >= size - used) return;
    used += written;
    NameFiles(batch.refused[reason], text + used, size - used);
    used += static_cast<int>(std::strlen(text + used));
  }
}
