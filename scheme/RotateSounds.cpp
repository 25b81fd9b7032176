#include "scheme/RotateSounds.h"

#include <cstring>

#include "platform/Registry.h"
#include "scheme/PickGenerator.h"
#include "scheme/SoundTable.h"

void RotateSounds(const SoundTable& sounds, PickGenerator& generator,
                  CurrentUserRegistry& registry, bool chimeloPlays) {
  generator.StepLowWord();
  for (int event = 0; event < EventCount; ++event) {
    int count = sounds.SoundCount(event);
    if (count == 0) continue;
    // The generator steps for every event with sounds, even when its key
    // turns out to be missing, so one absent key does not shift the others.
    int slot = static_cast<int>(generator.Step() % static_cast<unsigned>(count));
    const SystemEvent& system = EventKeyTable[event];
    CurrentUserRegistry::Key key = chimeloPlays && system.player == Player::Chimelo
                                       ? registry.OpenOrCreate(system.key)
                                       : registry.OpenExisting(system.key);
    if (!key) continue;
    const char* path = sounds.Read(event, slot);
    registry.SetDefaultString(key, path, static_cast<unsigned long>(std::strlen(path) + 1));
    registry.Close(key);
  }
}
