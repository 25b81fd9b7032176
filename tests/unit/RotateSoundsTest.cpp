#include "scheme/RotateSounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/Registry.h"
#include "scheme/PickGenerator.h"
#include "scheme/SoundTable.h"

namespace {

// A registry of existing keys that records every write and checks that each
// opened key is closed exactly once.
class RecordingRegistry : public CurrentUserRegistry {
 public:
  struct Write {
    std::string subkey, value;
    unsigned long byteCount;
  };

  explicit RecordingRegistry(std::set<std::string> missing = {}) : missing_(std::move(missing)) {}

  Key OpenExisting(const char* subkey) override {
    if (missing_.count(subkey)) return nullptr;
    keys_.push_back(subkey);
    open_.insert(keys_.size());
    return reinterpret_cast<Key>(keys_.size());
  }

  // A missing key is made, and recorded as made.
  Key OpenOrCreate(const char* subkey) override {
    if (missing_.erase(subkey)) created.push_back(subkey);
    return OpenExisting(subkey);
  }

  void SetDefaultString(Key key, const char* value, unsigned long byteCount) override {
    std::size_t id = reinterpret_cast<std::size_t>(key);
    EXPECT_TRUE(open_.count(id)) << "write to a key that is not open";
    writes.push_back({keys_[id - 1], std::string(value, byteCount - 1), byteCount});
    EXPECT_EQ(value[byteCount - 1], '\0') << "the byte count must take in the terminating NUL";
  }

  void Close(Key key) override {
    EXPECT_EQ(open_.erase(reinterpret_cast<std::size_t>(key)), 1u)
        << "closed twice or never opened";
  }

  ~RecordingRegistry() override { EXPECT_TRUE(open_.empty()) << "a key was left open"; }

  std::vector<Write> writes;
  std::vector<std::string> created;

 private:
  std::set<std::string> missing_;
  std::vector<std::string> keys_;
  std::set<std::size_t> open_;
};

struct RotateSoundsTest : ::testing::Test {
  std::unique_ptr<SoundTable> owner = std::make_unique<SoundTable>();
  SoundTable& sounds = *owner;
  PickGenerator generator;
  bool chimeloPlays = false;  // Windows 8 and later

  void Fill(int event, int count) {
    for (int i = 0; i < count; ++i)
      sounds.Append(event,
                    ("C:\\E" + std::to_string(event) + "\\" + std::to_string(i) + ".WAV").c_str());
  }

  // The slot each event got on one tick, read back from the written paths.
  std::map<int, int> Tick(RecordingRegistry& registry) {
    registry.writes.clear();
    RotateSounds(sounds, generator, registry, chimeloPlays);
    std::map<int, int> chosen;
    for (const auto& write : registry.writes) {
      int event = 0;
      while (event < EventCount && write.subkey != EventKeyTable[event].key) ++event;
      EXPECT_LT(event, EventCount) << write.subkey;
      EXPECT_EQ(chosen.count(event), 0u) << "event written twice in one tick";
      for (int slot = 0; slot < sounds.SoundCount(event); ++slot)
        if (write.value == sounds.Read(event, slot)) chosen[event] = slot;
    }
    return chosen;
  }
};

TEST_F(RotateSoundsTest, OneEventOfTwoOrTwentySoundsFollowsTheSequence) {
  struct Case {
    int event, count;
    int slots[3];
  } cases[] = {{0, 2, {1, 1, 0}}, {0, 20, {1, 7, 6}}, {6, 2, {1, 1, 0}}, {11, 20, {1, 7, 6}}};
  for (const Case& c : cases) {
    SCOPED_TRACE("event " + std::to_string(c.event) + " with " + std::to_string(c.count));
    sounds.Clear();
    generator = PickGenerator();
    Fill(c.event, c.count);
    RecordingRegistry registry;
    for (int slot : c.slots) EXPECT_EQ(Tick(registry), (std::map<int, int>{{c.event, slot}}));
  }
}

TEST_F(RotateSoundsTest, EventsWithSoundsDrawInEventOrder) {
  Fill(0, 2);
  Fill(2, 5);
  RecordingRegistry registry;
  EXPECT_EQ(Tick(registry), (std::map<int, int>{{0, 1}, {2, 1}}));
  EXPECT_EQ(Tick(registry), (std::map<int, int>{{0, 1}, {2, 1}}));
  EXPECT_EQ(Tick(registry), (std::map<int, int>{{0, 0}, {2, 0}}));
  EXPECT_EQ(registry.writes[0].subkey, EventKeyTable[0].key);
  EXPECT_EQ(registry.writes[1].subkey, EventKeyTable[2].key);
}

TEST_F(RotateSoundsTest, AnEmptyTableWritesNothingButStillStepsTheGenerator) {
  RecordingRegistry registry;
  EXPECT_TRUE(Tick(registry).empty());
  Fill(3, 20);
  EXPECT_EQ(Tick(registry), (std::map<int, int>{{3, 14}}));
  EXPECT_EQ(Tick(registry), (std::map<int, int>{{3, 5}}));
}

TEST_F(RotateSoundsTest, AMissingKeyIsSkippedAndTheOthersGetTheirUsualPicks) {
  Fill(0, 2);
  Fill(2, 5);
  RecordingRegistry registry({EventKeyTable[0].key});
  EXPECT_EQ(Tick(registry), (std::map<int, int>{{2, 1}}));
  EXPECT_EQ(Tick(registry), (std::map<int, int>{{2, 1}}));
  EXPECT_EQ(Tick(registry), (std::map<int, int>{{2, 0}}));
}

TEST_F(RotateSoundsTest, ASingleSoundIsRewrittenOnEveryTickWithItsNul) {
  sounds.Append(8, "C:\\CHORD.WAV");
  RecordingRegistry registry;
  for (int tick = 0; tick < 3; ++tick) {
    Tick(registry);
    ASSERT_EQ(registry.writes.size(), 1u);
    EXPECT_EQ(registry.writes[0].subkey, EventKeyTable[8].key);
    EXPECT_EQ(registry.writes[0].value, "C:\\CHORD.WAV");
    EXPECT_EQ(registry.writes[0].byteCount, 13u);
  }
}

TEST_F(RotateSoundsTest, TheLongestPathIsWrittenWhole) {
  std::string longest(SoundPathSize - 1, 'p');
  sounds.Append(1, longest.c_str());
  RecordingRegistry registry;
  Tick(registry);
  ASSERT_EQ(registry.writes.size(), 1u);
  EXPECT_EQ(registry.writes[0].value, longest);
  EXPECT_EQ(registry.writes[0].byteCount, 516u);
}

// The later events draw as the twelve do, after them, in table order: a
// table of the twelve gets its picks of old.
TEST_F(RotateSoundsTest, TheLaterEventsDrawInTableOrderAfterTheTwelve) {
  const int events[2][3] = {{0, 2, 5}, {13, 20, 27}}, counts[] = {2, 5, 20};
  std::vector<std::vector<int>> picks[2];
  for (int later : {0, 1}) {
    sounds.Clear();
    generator = PickGenerator();
    for (int i = 0; i < 3; ++i) Fill(events[later][i], counts[i]);
    RecordingRegistry registry;
    for (int tick = 0; tick < 5; ++tick) {
      std::vector<int> slots;
      for (const auto& chosen : Tick(registry)) slots.push_back(chosen.second);
      picks[later].push_back(slots);
    }
  }
  EXPECT_EQ(picks[1], picks[0]);
}

// Where Chimelo plays an event itself, a missing key would leave it silent.
TEST_F(RotateSoundsTest, OnlyTheEventsChimeloPlaysGetAMissingKeyMadeAndOnlyWhereItPlaysThem) {
  const struct {
    int event;
    bool chimeloPlays, made;
  } cases[] = {{4, true, true}, {5, true, true}, {27, true, true},
               {4, false, false}, {27, false, false}, {14, true, false}, {0, true, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(EventKeyTable[c.event].name);
    sounds.Clear();
    Fill(c.event, 1);
    chimeloPlays = c.chimeloPlays;
    RecordingRegistry registry({EventKeyTable[c.event].key});
    Tick(registry);
    EXPECT_EQ(registry.created.size(), c.made ? 1u : 0u);
    EXPECT_EQ(registry.writes.size(), c.made ? 1u : 0u);
  }
}

}  // namespace
