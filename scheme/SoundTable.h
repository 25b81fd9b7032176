#pragma once
#include <cstdlib>
#include <memory>

#include "scheme/EventTable.h"

// Every event's sounds in one block: 28 x 20 slots, each a path in UTF-8,
// with no allocation per sound. An event's sounds are its slots before the
// first empty one, in the order they were added; duplicates are kept and
// paths are stored exactly as received.
class SoundTable {
 public:
  // The index of the event's first empty slot, or MaxSoundsPerEvent.
  int SoundCount(int event) const;

  // Stores the path in the event's first empty slot. Refuses, changing
  // nothing, when the event is full or the path is empty or longer than
  // SoundPathSize - 1 UTF-16 units.
  bool Append(int event, const char* path);

  // Shifts the later slots down by one and empties the last slot.
  void RemoveAt(int event, int slot);

  // The first of the event's sounds that equals the path when the ASCII
  // letters are folded on both sides, and nothing else; -1 if there is none.
  int FindIgnoringAsciiCase(int event, const char* path) const;

  SoundTable();

  void Clear();
  // No event has a sound.
  bool IsEmpty() const;

  const char* Read(int event, int slot) const { return slots_->path[event][slot]; }

  // The slot itself, for filling it in place and for list entries that
  // refer to it.
  char* Slot(int event, int slot) { return slots_->path[event][slot]; }

 private:
  struct Slots {
    char path[EventCount][MaxSoundsPerEvent][SoundPathBytes];
  };
  // 866 KB, taken zeroed from the system, whose pages a program holds only
  // once it writes them: only those of the sounds stored.
  std::unique_ptr<Slots, decltype(&std::free)> slots_;
};
