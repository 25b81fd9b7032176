#pragma once

#include <string>
#include <vector>

#include "Synth.h"

// Two dozen short, distinct chimes to start a sound list with.
const std::vector<Chime>& StarterSet();

// Writes every chime of the set into folder (created if missing) as
// <name>.wav. False, naming the file on stderr, at the first that fails.
bool WriteStarterSet(const std::string& folder);
