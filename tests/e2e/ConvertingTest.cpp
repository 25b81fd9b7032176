// Sounds of other formats, dropped on the window, become WAV copies in the
// user's sounds folder at one loudness, measured here as the unit tests
// prove the measure. The sources are made by scripts/make-test-sounds.sh.
#include <cmath>
#include <fstream>
#include <iterator>

#include "BrowserTest.h"
#include "scheme/Loudness.h"

namespace {

struct Copy {
  int channels = 0, rate = 0;
  std::vector<float> samples;
  double Seconds() const { return double(samples.size()) / channels / rate; }
  double Lufs() const {
    return IntegratedLoudness(samples.data(), samples.size() / channels, channels, rate);
  }
  double Peak() const {
    float peak = 0;
    for (float sample : samples) peak = std::max(peak, std::fabs(sample));
    return 20 * std::log10(peak);
  }
  // What share of the first channel's power is at the frequency: the
  // Goertzel filter's.
  double Share(double frequency) const {
    const double step = 2 * 3.14159265358979 * frequency / rate;
    double re = 0, im = 0, power = 0, frames = double(samples.size()) / channels;
    for (size_t at = 0; at < samples.size(); at += channels) {
      re += samples[at] * std::cos(step * (at / channels));
      im += samples[at] * std::sin(step * (at / channels));
      power += samples[at] * samples[at];
    }
    return 2 * (re * re + im * im) / frames / power;
  }
};

// The 16-bit PCM file as Chimelo writes it: a 44-byte header, then data.
Copy Read(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), {});
  Copy copy;
  if (bytes.size() < 44) return copy;
  copy.channels = *reinterpret_cast<const short*>(&bytes[22]);
  copy.rate = *reinterpret_cast<const int*>(&bytes[24]);
  for (size_t at = 44; at + 1 < bytes.size(); at += 2)
    copy.samples.push_back(*reinterpret_cast<const short*>(&bytes[at]) / 32768.0f);
  return copy;
}

struct ConvertingTest : BrowserTest {
  const std::string sounds = UserSoundsFolder();
  std::wstring Source(const char* name) const {
    std::string path = std::string("z:") + CHIMELO_TEST_SOUNDS "/" + name;
    std::replace(path.begin(), path.end(), '/', '\\');
    return e2e::Wide(path);
  }
  void Drop(std::initializer_list<const char*> names) {
    std::vector<std::wstring> paths;
    for (const char* name : names) paths.push_back(Source(name));
    RECT list = e2e::WindowRect(Control(IDC_ASSOCIATED_LIST));
    POINT point = {list.left + 9, list.top + 9};
    ScreenToClient(dialog, &point);
    ASSERT_TRUE(e2e::DropFiles(dialog, point, paths));
  }
  void WaitForConversion() {
    ASSERT_TRUE(e2e::Settle(frame));
    ASSERT_TRUE(
        e2e::WaitUntil([&] { return IsWindowEnabled(Control(IDC_FILES)) != FALSE; }, 60000));
    ASSERT_TRUE(e2e::Settle(frame));
  }
  Paths Sounds() const { return e2e::ListStrings(Control(IDC_ASSOCIATED_LIST)); }
};

TEST_F(ConvertingTest, EveryFormatBecomesALevelledWavCopyAndWhatCannotBeReadIsNamed) {
  for (const char* name : {"tone-30.wav", "tone-24.wav", "tone-18.wav", "tone-12.wav", "tone-6.wav",
                           "clicks.wav", "long.wav"})
    DeleteFileA((sounds + "\\" + name).c_str());
  Start();
  Drop({"tone-30.mp3", "tone-24.flac", "tone-18.ogg", "tone-12.m4a", "tone-6.wma"});
  WaitForConversion();
  Paths copies;
  for (const char* name : {"tone-30", "tone-24", "tone-18", "tone-12", "tone-6"}) {
    copies.push_back(sounds + "\\" + name + ".wav");
    const Copy copy = Read(copies.back());
    EXPECT_EQ(copy.channels, 2) << name;
    EXPECT_GT(copy.Share(440), 0.9) << name;
    EXPECT_NEAR(copy.Seconds(), 3, 0.06) << name;
    EXPECT_NEAR(copy.Lufs(), -16, 0.5) << name;
  }
  EXPECT_EQ(Sounds(), copies);

  // The clicks would pass -1 dBFS at -16 LUFS; the long tone is cut.
  Drop({"clicks.flac", "long.mp3"});
  Answer("Chimelo !", "Keep only the first 10 seconds?", IDYES);
  WaitForConversion();
  EXPECT_LE(Read(sounds + "\\clicks.wav").Peak(), -1.0);
  const Copy cut = Read(sounds + "\\long.wav");
  EXPECT_NEAR(cut.Seconds(), 10, 0.06);
  EXPECT_EQ(cut.samples.back(), 0.0f);
  EXPECT_EQ(Sounds().size(), 7u);

  Drop({"text.mp3"});
  Answer("Chimelo !", "These Files Could Not Be Read :\ntext.mp3", IDOK);
  EXPECT_EQ(Sounds().size(), 7u);
  EXPECT_EQ(GetFileAttributesA((sounds + "\\text.wav").c_str()), INVALID_FILE_ATTRIBUTES);
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((sounds + "\\*.tmp").c_str(), &found);
  EXPECT_EQ(search, INVALID_HANDLE_VALUE) << found.cFileName;
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

}  // namespace
