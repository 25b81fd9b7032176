#pragma once

// The system sound events, in their fixed order: the twelve of the oldest
// Windows first, then those Windows 10 and 11 play most. An event's index
// addresses EventKeyTable and the sound table; its EventNumber (index + 1)
// is its item data in the events list and the id of its icon.
constexpr int EventCount = 28;
constexpr int MaxSoundsPerEvent = 20;
// A path holds at most SoundPathSize - 1 UTF-16 units, as Windows counts
// them; in UTF-8 that is up to three bytes a unit.
constexpr int SoundPathSize = 516;
constexpr int SoundPathBytes = 3 * (SoundPathSize - 1) + 1;

constexpr int EventNumber(int event) { return event + 1; }

// Who plays an event's sound.
enum class Player {
  Windows,
  // Windows 7 does; since Windows 8 Windows no longer does, and Chimelo
  // plays it there itself.
  Chimelo,
  // Toasts, played by parts of Windows that run as app packages: they read
  // a file only where ALL APPLICATION PACKAGES may.
  AppPackages,
};

struct SystemEvent {
  // The subkey of HKEY_CURRENT_USER whose default value is the sound the
  // system plays for the event.
  const char* key;
  // The event's name as Windows shows it to a user.
  const char* name;
  // Its section in chimelo.ini. Later events take Windows' own key names,
  // so that a section keeps its meaning if the table grows again.
  const char* section;
  Player player;
};

extern const SystemEvent EventKeyTable[EventCount];
