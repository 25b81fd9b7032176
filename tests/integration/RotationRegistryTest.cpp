// A rotation tick against Wine's real registry, in the test prefix whose
// twelve .current keys the set-up has created.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/Registry.h"
#include "scheme/PickGenerator.h"
#include "scheme/RotateSounds.h"
#include "scheme/SoundTable.h"

namespace {

struct Value {
  bool present = false;
  DWORD type = 0, size = 0;
  std::string text;
};

Value ReadDefaultValue(const char* subkey) {
  Value value;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
  char data[1024] = {};
  value.size = sizeof data;
  value.present = RegQueryValueExA(key, "", nullptr, &value.type, reinterpret_cast<BYTE*>(data),
                                   &value.size) == ERROR_SUCCESS;
  value.text = data;
  RegCloseKey(key);
  return value;
}

bool KeyExists(const char* subkey) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

struct RotationRegistryTest : ::testing::Test {
  std::unique_ptr<SoundTable> owner = std::make_unique<SoundTable>();
  SoundTable& sounds = *owner;
  PickGenerator generator;

  void SetUp() override {
    // Start every event from an empty default value.
    for (const SystemEvent& event : EventKeyTable) {
      HKEY key;
      ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, event.key, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS)
          << event.key << " is missing from the test prefix";
      RegDeleteValueA(key, "");
      RegCloseKey(key);
    }
  }

  void TearDown() override {
    HKEY key;
    RegCreateKeyExA(HKEY_CURRENT_USER, EventKeyTable[0].key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &key, nullptr);
    RegCloseKey(key);
  }
};

TEST_F(RotationRegistryTest, ATickWritesTheChosenPathAsAStringWithItsNul) {
  sounds.Append(2, "C:\\SOUNDS\\BELL.WAV");
  sounds.Append(2, "C:\\SOUNDS\\DING.WAV");
  RotateSounds(sounds, generator, SystemRegistry(), false);

  Value value = ReadDefaultValue(EventKeyTable[2].key);
  ASSERT_TRUE(value.present);
  EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(value.text, "C:\\SOUNDS\\DING.WAV");  // the first tick's pick of two is slot 1
  EXPECT_EQ(value.size, 19u);
  for (int event = 0; event < EventCount; ++event) {
    if (event == 2) continue;
    EXPECT_FALSE(ReadDefaultValue(EventKeyTable[event].key).present) << event;
  }
}

TEST_F(RotationRegistryTest, EveryEventWithSoundsIsWrittenOnEveryTick) {
  for (int event = 0; event < EventCount; ++event)
    sounds.Append(event, ("C:\\E" + std::to_string(event) + ".WAV").c_str());
  for (int tick = 0; tick < 2; ++tick) {
    SetUp();
    RotateSounds(sounds, generator, SystemRegistry(), false);
    for (int event = 0; event < EventCount; ++event)
      EXPECT_EQ(ReadDefaultValue(EventKeyTable[event].key).text, sounds.Read(event, 0)) << event;
  }
}

TEST_F(RotationRegistryTest, AnAbsentKeyIsSkippedAndNeverCreated) {
  HKEY parent;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "AppEvents\\Schemes\\Apps\\.Default\\SystemAsterisk",
                          0, KEY_ALL_ACCESS, &parent),
            ERROR_SUCCESS);
  ASSERT_EQ(RegDeleteKeyA(parent, ".current"), ERROR_SUCCESS);
  RegCloseKey(parent);

  sounds.Append(0, "C:\\ASTERISK.WAV");
  sounds.Append(2, "C:\\ONE.WAV");
  sounds.Append(2, "C:\\TWO.WAV");
  RotateSounds(sounds, generator, SystemRegistry(), false);

  EXPECT_FALSE(KeyExists(EventKeyTable[0].key));
  // The skipped event still drew its number, so the third event gets the
  // second number of the tick (slot 0 of 2), not the first (slot 1).
  EXPECT_EQ(ReadDefaultValue(EventKeyTable[2].key).text, "C:\\ONE.WAV");
}

}  // namespace
