#include "scheme/SoundTable.h"

#include <cstring>

#include "platform/BoundedText.h"
#include "scheme/AsciiCase.h"
#include "scheme/Utf8.h"

int SoundTable::SoundCount(int event) const {
  int count = 0;
  while (count < MaxSoundsPerEvent && slots_[event][count][0] != '\0') ++count;
  return count;
}

bool SoundTable::Append(int event, const char* path) {
  int count = SoundCount(event);
  if (count == MaxSoundsPerEvent || path[0] == '\0' || Utf16Length(path) >= SoundPathSize)
    return false;
  return CopyText(slots_[event][count], path);
}

void SoundTable::RemoveAt(int event, int slot) {
  if (slot < 0 || slot >= SoundCount(event)) return;
  for (int j = slot; j < MaxSoundsPerEvent - 1; ++j)
    std::memcpy(slots_[event][j], slots_[event][j + 1], SoundPathBytes);
  std::memset(slots_[event][MaxSoundsPerEvent - 1], 0, SoundPathBytes);
}

int SoundTable::FindIgnoringAsciiCase(int event, const char* path) const {
  for (int slot = 0, count = SoundCount(event); slot < count; ++slot)
    if (EqualIgnoringAsciiCase(slots_[event][slot], path)) return slot;
  return -1;
}

void SoundTable::Clear() { std::memset(slots_, 0, sizeof slots_); }

bool SoundTable::IsEmpty() const {
  for (int event = 0; event < EventCount; ++event)
    if (SoundCount(event) > 0) return false;
  return true;
}
