#pragma once

class CurrentUserRegistry;
class PickGenerator;
class SoundTable;

// One tick of the rotation: every event that has sounds gets one of them,
// drawn from the generator, as the default value of its EventKeyTable key.
// An event whose key cannot be opened is skipped; no key is ever created.
void RotateSounds(const SoundTable& sounds, PickGenerator& generator,
                  CurrentUserRegistry& registry);
