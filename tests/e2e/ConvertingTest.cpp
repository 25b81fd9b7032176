// Sounds of other formats, dropped on the window, become WAV copies in the
// user's sounds folder at one loudness, measured here as the unit tests
// prove the measure. The sources are made by scripts/make-test-sounds.sh.
#include <cmath>
#include <fstream>
#include <iterator>
#include <regex>

#include "BrowserTest.h"
#include "scheme/Loudness.h"

namespace {

const char CutQuestion[] = "Keep only the first 10 seconds?";

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

  // The batch's question, in front of every window of the program, and the
  // progress, which may not cover it, not yet shown a second later.
  void AnswerTheQuestionInFront(int button) {
    HWND box = e2e::WaitForMessageBox(chimelo->Id(), "Chimelo !", CutQuestion, 10000);
    ASSERT_NE(box, nullptr);
    Sleep(1000);
    EXPECT_EQ(GetForegroundWindow(), box);
    for (HWND window : e2e::TopLevelWindows(chimelo->Id()))
      EXPECT_FALSE(IsWindowVisible(window) && e2e::WindowText(window) == "Converting Sounds");
    ASSERT_TRUE(e2e::AnswerMessageBox(box, button));
  }

  void DeleteCopies(std::initializer_list<const char*> names) const {
    for (const char* name : names) DeleteFileA((sounds + "\\" + name + ".wav").c_str());
  }

  void ExpectNoTemporaryFile() const {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((sounds + "\\*.tmp").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << found.cFileName;
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
  }
};

// Loudness and true peak as ffmpeg's meter reads them: a mono copy counts
// as dual mono, as Windows plays it.
struct Metered {
  double lufs, truePeak;
};
Metered Meter(const std::string& copy, bool mono) {
  const std::string output = e2e::LinuxOutput(
      "ffmpeg -nostats -i '" + e2e::LinuxPath(copy) + "' -af ebur128=peak=true" +
      (mono ? ":dualmono=true" : "") + " -f null -");
  std::smatch lufs, peak;
  const std::string summary = output.substr(output.rfind("Summary:") + 1);
  std::regex_search(summary, lufs, std::regex("I: +(-?[0-9.]+) LUFS"));
  std::regex_search(summary, peak, std::regex("Peak: +(-?[0-9.]+) dBFS"));
  return {lufs.empty() ? 0 : std::stod(lufs[1]), peak.empty() ? 0 : std::stod(peak[1])};
}

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
  AnswerTheQuestionInFront(IDYES);
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
  ExpectNoTemporaryFile();
}

// Unlike sources, in the order dropped: each copy is at -16 LUFS, a short
// click as loud as its block makes it, and none past -1 dBTP, as an
// independent meter reads them. A source that would take more memory than
// a sound may is named, not decoded.
TEST_F(ConvertingTest, AVariedBatchComesOutAtOneLoudnessUnderTheTruePeakCeiling) {
  DeleteCopies({"mono8k", "stereo96k", "surround", "click", "joined", "over"});
  Start();
  Drop({"mono8k.flac", "stereo96k.flac", "over.flac", "surround.flac", "click.flac", "joined.mp3"});
  AnswerTheQuestionInFront(IDNO);
  Answer("Chimelo !", "These Sounds Are Too Long To Be Converted :\nover.flac", IDOK);
  ASSERT_NO_FATAL_FAILURE(WaitForConversion());
  const struct {
    const char* name;
    bool mono;
    double seconds;
  } copies[] = {{"mono8k", true, 3},    {"stereo96k", false, 3}, {"surround", false, 3},
                {"click", false, 0.1}, {"joined", false, 4}};
  Paths listed;
  for (const auto& c : copies) {
    SCOPED_TRACE(c.name);
    listed.push_back(sounds + "\\" + c.name + ".wav");
    EXPECT_NEAR(Read(listed.back()).Seconds(), c.seconds, 0.1);
    const Metered meter = Meter(listed.back(), c.mono);
    if (c.seconds >= 0.4) {
      EXPECT_NEAR(meter.lufs, -16, 0.5);
    }
    EXPECT_LE(meter.truePeak, -1.0);
  }
  EXPECT_EQ(Sounds(), listed);
  DeleteCopies({"mono8k", "stereo96k", "surround", "click", "joined"});
}

// Closed while a batch converts, Chimelo stops it at once, keeps the copies
// already made, in chimelo.ini, and leaves no half-made file.
TEST_F(ConvertingTest, AClosedConversionStopsAtOnceAndKeepsTheCopiesMade) {
  DeleteCopies({"slow1", "slow2", "slow3", "slow4"});
  Start();
  Drop({"slow1.mp3", "slow2.mp3", "slow3.mp3", "slow4.mp3"});
  Answer("Chimelo !", CutQuestion, IDNO);
  const std::string first = sounds + "\\slow1.wav";
  ASSERT_TRUE(e2e::WaitUntil(
      [&] { return GetFileAttributesA(first.c_str()) != INVALID_FILE_ATTRIBUTES; }, 60000));
  PostMessageA(frame, WM_CLOSE, 0, 0);
  HWND question =
      e2e::WaitForMessageBox(chimelo->Id(), "Chimelo !", "Do You Really Want To Close Chimelo ?", 10000);
  ASSERT_NE(question, nullptr);
  const DWORD closed = GetTickCount();
  ASSERT_TRUE(e2e::AnswerMessageBox(question, IDYES));
  ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(frame); }, 10000));
  EXPECT_LE(GetTickCount() - closed, 1000u + 2000u) << "a hidden window waits 2 s under Xvfb";
  ASSERT_TRUE(chimelo->WaitForExit(15000));
  std::string kept;
  int made = 0;
  for (const char* name : {"slow1", "slow2", "slow3", "slow4"}) {
    const std::string copy = sounds + "\\" + name + ".wav";
    if (GetFileAttributesA(copy.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
    kept += std::to_string(++made) + "=" + copy + "\r\n";
  }
  EXPECT_EQ(FileText("chimelo.ini"), "[1]\r\n" + kept);
  EXPECT_LT(made, 4) << "the batch went on";
  ExpectNoTemporaryFile();
  DeleteCopies({"slow1", "slow2", "slow3", "slow4"});
}

}  // namespace
