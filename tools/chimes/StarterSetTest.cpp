// What players and PlaySound need of the written files: RIFF chunk sizes that
// add up to the file's, 16-bit PCM mono at 22050 Hz. And what users need: short,
// silent at both ends, all different, and the same bytes on every run.
#include "StarterSet.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t Little(const std::string& bytes, size_t at, int count) {
  uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
  return value;
}

struct StarterSetTest : ::testing::Test {
  // One of each test's own: ctest runs the tests side by side.
  const fs::path folder = fs::path(::testing::TempDir()) /
                          ::testing::UnitTest::GetInstance()->current_test_info()->name();
  void SetUp() override { fs::remove_all(folder); }
  void TearDown() override { fs::remove_all(folder); }

  fs::path PathOf(const Chime& chime, const fs::path& in) const {
    return in / (std::string(chime.name) + ".wav");
  }
};

TEST_F(StarterSetTest, EveryChimeIsAShortWellFormedWavFile) {
  ASSERT_TRUE(WriteStarterSet(folder.string()));
  std::set<std::string> distinct;
  for (const Chime& chime : StarterSet()) {
    SCOPED_TRACE(chime.name);
    const std::string bytes = FileBytes(PathOf(chime, folder));
    ASSERT_GT(bytes.size(), 44u);
    EXPECT_LT(bytes.size(), 1000000u);
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(Little(bytes, 4, 4), bytes.size() - 8);
    EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(Little(bytes, 16, 4), 16u);
    EXPECT_EQ(Little(bytes, 20, 2), 1u);  // PCM
    EXPECT_EQ(Little(bytes, 22, 2), 1u);  // mono
    EXPECT_EQ(Little(bytes, 24, 4), 22050u);
    EXPECT_EQ(Little(bytes, 28, 4), 44100u);
    EXPECT_EQ(Little(bytes, 32, 2), 2u);
    EXPECT_EQ(Little(bytes, 34, 2), 16u);
    EXPECT_EQ(bytes.substr(36, 4), "data");
    const uint32_t dataBytes = Little(bytes, 40, 4);
    EXPECT_EQ(dataBytes, bytes.size() - 44);
    const double seconds = dataBytes / 2 / 22050.0;
    EXPECT_GE(seconds, 0.2);
    EXPECT_LE(seconds, 1.0);
    EXPECT_EQ(Little(bytes, 44, 2), 0u) << "starts with a click";
    EXPECT_EQ(Little(bytes, bytes.size() - 2, 2), 0u) << "ends with a click";
    distinct.insert(bytes.substr(44));
  }
  EXPECT_EQ(distinct.size(), StarterSet().size()) << "two chimes sound the same";
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()),
            static_cast<std::ptrdiff_t>(StarterSet().size()))
      << "two chimes share a name";
}

TEST_F(StarterSetTest, EveryRunWritesTheSameBytes) {
  const fs::path again = folder / "again";
  ASSERT_TRUE(WriteStarterSet(folder.string()));
  ASSERT_TRUE(WriteStarterSet(again.string()));
  for (const Chime& chime : StarterSet())
    EXPECT_EQ(FileBytes(PathOf(chime, folder)), FileBytes(PathOf(chime, again))) << chime.name;
}

}  // namespace
