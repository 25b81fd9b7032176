#pragma once

class CurrentUserRegistry;
class PickGenerator;
class SoundTable;

// One tick of the rotation: every event that has sounds gets one of them,
// drawn from the generator in event order, as the default value of its
// EventKeyTable key. An event whose key cannot be opened is skipped, and no
// key is ever created but one: where Chimelo plays an event's sound itself
// (chimeloPlays, Windows 8 and later), that event's key is made when it is
// missing, since without it the sound would never be heard.
void RotateSounds(const SoundTable& sounds, PickGenerator& generator,
                  CurrentUserRegistry& registry, bool chimeloPlays);
