#include "StarterSet.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "WavFile.h"

namespace {

// Timbres, each a handful of partials. Higher partials die away faster, as
// they do in struck things.
const Timbre Soft = {{1, 1, 4}, {2, 0.2, 7}, {3, 0.06, 10}};
const Timbre MusicBox = {{1, 1, 5}, {2, 0.3, 9}, {3, 0.1, 12}, {4.2, 0.05, 20}};
const Timbre Glass = {{1, 1, 3}, {2.32, 0.4, 5}, {4.25, 0.2, 8}, {6.63, 0.08, 12}};
// A church bell's hum, prime, tierce, quint and nominal, then the upper ones.
const Timbre Bell = {{0.5, 0.35, 1.5}, {1, 1, 2.2},     {1.19, 0.45, 3}, {1.5, 0.3, 3.5},
                     {2, 0.5, 4.5},    {2.74, 0.25, 6}, {3, 0.2, 7},     {4.07, 0.12, 9}};
// A free bar: glockenspiel and tubular bell.
const Timbre Bar = {{1, 1, 3}, {2.76, 0.35, 6}, {5.4, 0.12, 10}, {8.93, 0.05, 14}};
const Timbre Marimba = {{1, 1, 7}, {4, 0.25, 20}, {9.9, 0.06, 40}};
const Timbre Kalimba = {{1, 1, 5}, {5.9, 0.15, 25}};
const Timbre Pluck = {{1, 1, 3}, {2, 0.5, 5}, {3, 0.25, 7}, {4, 0.12, 9}};
const Timbre Pure = {{1, 1, 14}};
const Timbre Wood = {{1, 1, 45}, {2.7, 0.4, 60}};

// Notes of a chime, one after another with the given spacing.
std::vector<Note> Run(std::initializer_list<int> midiNotes, double spacing) {
  std::vector<Note> notes;
  for (int midiNote : midiNotes)
    notes.push_back({spacing * static_cast<double>(notes.size()), Pitch(midiNote), 1});
  return notes;
}

std::vector<Chime> MakeSet() {
  return {
      {"chime01-ping-high", 0.45, Soft, Run({88}, 0)},
      {"chime02-ping", 0.55, Soft, Run({81}, 0)},
      {"chime03-ping-low", 0.7, Soft, Run({74}, 0)},
      {"chime04-ding-dong", 0.9, Soft, Run({88, 84}, 0.3)},
      {"chime05-dong-ding", 0.9, Glass, Run({79, 86}, 0.3)},
      {"chime06-rise", 0.8, MusicBox, Run({84, 88, 91}, 0.12)},
      {"chime07-fall", 0.8, MusicBox, Run({91, 88, 84}, 0.12)},
      {"chime08-minor", 0.9, Glass, Run({81, 84, 88}, 0.15)},
      {"chime09-fifth-up", 0.6, Kalimba, Run({86, 93}, 0.12)},
      {"chime10-fourth-down", 0.6, Kalimba, Run({89, 84}, 0.12)},
      {"chime11-small-bell", 1.0, Bell, Run({84}, 0)},
      {"chime12-big-bell", 1.0, Bell, Run({67}, 0)},
      {"chime13-glass-tap", 0.5, Glass, Run({95}, 0)},
      {"chime14-glockenspiel", 0.8, Bar, Run({88}, 0)},
      {"chime15-tubular", 1.0, Bar, Run({76}, 0)},
      {"chime16-marimba-up", 0.6, Marimba, Run({72, 76, 79}, 0.1)},
      {"chime17-marimba-knock", 0.3, Marimba, Run({67}, 0)},
      {"chime18-blip-up", 0.2, Pure, Run({81}, 0), 0.004, 2},
      {"chime19-blip-down", 0.25, Pure, Run({88}, 0), 0.004, -2},
      {"chime20-bubble", 0.3, Pure, Run({72}, 0), 0.01, 3},
      {"chime21-click", 0.2, Wood, Run({87}, 0)},
      {"chime22-knock-knock", 0.25, Wood, Run({74, 74}, 0.1)},
      {"chime23-harp", 1.0, Pluck, Run({72, 76, 79, 84}, 0.08)},
      {"chime24-swell", 1.0, Soft, {{0, Pitch(72), 1}, {0, Pitch(79), 0.6}}, 0.15},
  };
}

}  // namespace

const std::vector<Chime>& StarterSet() {
  static const std::vector<Chime> set = MakeSet();
  return set;
}

bool WriteStarterSet(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  for (const Chime& chime : StarterSet()) {
    const std::string path = (std::filesystem::path(folder) / chime.name).string() + ".wav";
    if (!WriteWavFile(path, Render(chime))) {
      std::fprintf(stderr, "chimes: cannot write %s\n", path.c_str());
      return false;
    }
  }
  return true;
}
