#include "scheme/SoundTable.h"

#include <cstring>
#include <new>

#include "platform/BoundedText.h"
#include "scheme/AsciiCase.h"
#include "scheme/Utf8.h"

SoundTable::SoundTable() : slots_(static_cast<Slots*>(std::calloc(1, sizeof(Slots))), &std::free) {
  if (!slots_) throw std::bad_alloc();
}

int SoundTable::SoundCount(int event) const {
  int count = 0;
  while (count < MaxSoundsPerEvent && Read(event, count)[0] != '\0') ++count;
  return count;
}

bool SoundTable::Append(int event, const char* path) {
  int count = SoundCount(event);
  if (count == MaxSoundsPerEvent || path[0] == '\0' || Utf16Length(path) >= SoundPathSize)
    return false;
  return CopyText(Slot(event, count), SoundPathBytes, path);
}

void SoundTable::RemoveAt(int event, int slot) {
  if (slot < 0 || slot >= SoundCount(event)) return;
  for (int j = slot; j < MaxSoundsPerEvent - 1; ++j)
    std::memcpy(Slot(event, j), Read(event, j + 1), SoundPathBytes);
  std::memset(Slot(event, MaxSoundsPerEvent - 1), 0, SoundPathBytes);
}

int SoundTable::FindIgnoringAsciiCase(int event, const char* path) const {
  for (int slot = 0, count = SoundCount(event); slot < count; ++slot)
    if (EqualIgnoringAsciiCase(Read(event, slot), path)) return slot;
  return -1;
}

// An empty slot is zero in every byte already: what the system gave, or
// what a removal left.
void SoundTable::Clear() {
  for (int event = 0; event < EventCount; ++event)
    for (int slot = 0; slot < MaxSoundsPerEvent; ++slot)
      if (Read(event, slot)[0] != '\0') std::memset(Slot(event, slot), 0, SoundPathBytes);
}

bool SoundTable::IsEmpty() const {
  for (int event = 0; event < EventCount; ++event)
    if (SoundCount(event) > 0) return false;
  return true;
}
