#pragma once

// The twelve system sound events, in their fixed order. An event's index
// (0..11) addresses EventKeyTable and the sound table; its EventNumber
// (index + 1) names its settings section, is its item data in the events
// list and is the id of its icon.
constexpr int EventCount = 12;
constexpr int MaxSoundsPerEvent = 20;
// A path holds at most SoundPathSize - 1 UTF-16 units, as Windows counts
// them; in UTF-8 that is up to three bytes a unit.
constexpr int SoundPathSize = 516;
constexpr int SoundPathBytes = 3 * (SoundPathSize - 1) + 1;

constexpr int EventNumber(int event) { return event + 1; }

// Subkeys of HKEY_CURRENT_USER whose default value is the sound the system
// plays for the event.
extern const char* const EventKeyTable[EventCount];

// The events' names as Windows shows them to a user.
extern const char* const EventNameTable[EventCount];
