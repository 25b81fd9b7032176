#pragma once
#include <string>

#include "scheme/SoundTable.h"

// Two sound tables that differ in every event, in the number of sounds and
// in their paths, so that any mix of the two is told apart from both.
inline void FillSample(SoundTable& sounds, char which) {
  sounds.Clear();
  int count = which == 'A' ? 8 : 5;
  for (int event = 0; event < EventCount; ++event)
    for (int slot = 0; slot < count; ++slot)
      sounds.Append(event, (std::string("C:\\SAMPLE-") + which + "\\" + std::to_string(event) +
                            "\\" + std::to_string(slot) + std::string(60, which) + ".WAV")
                               .c_str());
}
