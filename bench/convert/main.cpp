// Starts chimelo.exe in a scratch directory, drops a long sound of another
// format on the sounds list, answers No to keeping only its start, and
// measures the conversion: how long until the copy is listed and the
// controls are back, less the time the question stood open; then, in a
// second conversion, how fast the window answers meanwhile. The copies go
// to the user's sounds folder, where an identical one would be taken
// instead of converting: they are deleted before and after.
//   convert-benchmark CHIMELO.EXE SOUND
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "Driver.h"
#include "LatencyProbe.h"
#include "resources/ResourceIds.h"
#include "tests/support/ScratchDirectory.h"

namespace {

constexpr char Caption[] = "Chimelo !";
constexpr char Question[] = "Keep only the first 10 seconds?";
constexpr double ConvertTimeout = 120;  // seconds
// The copy may lose the encoder's padding, never more.
constexpr double ShortestWhole = 170;

long EntryCount(HWND list) { return static_cast<long>(SendMessageW(list, LB_GETCOUNT, 0, 0)); }

// Chimelo\Sounds in the local application data folder, as the program
// finds it.
std::wstring SoundsFolder() {
  wchar_t appData[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", appData, MAX_PATH);
  return length && length < MAX_PATH ? std::wstring(appData) + L"\\Chimelo\\Sounds" : L"";
}

// Every WAV file there: the benchmark's prefix is a scratch one, so they
// are earlier runs' copies.
void DeleteCopies(const std::wstring& folder) {
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((folder + L"\\*.wav").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  do DeleteFileW((folder + L"\\" + entry.cFileName).c_str());
  while (FindNextFileW(find, &entry));
  FindClose(find);
}

// The seconds of sound in a PCM WAV file, from its header, and the bytes of
// its samples; 0 when it has none to read.
double WavSeconds(const std::string& path, unsigned long& dataBytes) {
  FILE* file = _wfopen(e2e::Wide(path).c_str(), L"rb");
  if (!file) return 0;
  char riff[12];
  double seconds = 0;
  unsigned long byteRate = 0;
  if (std::fread(riff, 1, 12, file) == 12 && std::string(riff, 4) == "RIFF") {
    unsigned char header[8];
    while (std::fread(header, 1, 8, file) == 8) {
      const unsigned long size = header[4] | header[5] << 8 | header[6] << 16 |
                                 static_cast<unsigned long>(header[7]) << 24;
      const std::string id(reinterpret_cast<char*>(header), 4);
      if (id == "data") {
        if (byteRate) seconds = static_cast<double>(size) / byteRate;
        dataBytes = size;
        break;
      }
      unsigned char format[16] = {};
      if (id == "fmt " && size >= 16 && std::fread(format, 1, 16, file) == 16) {
        byteRate = format[8] | format[9] << 8 | format[10] << 16 |
                   static_cast<unsigned long>(format[11]) << 24;
        std::fseek(file, static_cast<long>(size - 16 + (size & 1)), SEEK_CUR);
      } else {
        std::fseek(file, static_cast<long>(size + (size & 1)), SEEK_CUR);
      }
    }
  }
  std::fclose(file);
  return seconds;
}

// What the program's open message boxes say, for a failure's report.
std::string OpenMessages(DWORD processId) {
  std::string messages;
  for (HWND window : e2e::TopLevelWindows(processId)) {
    const std::string text = e2e::MessageBoxText(window);
    if (IsWindowVisible(window) && !text.empty())
      messages += " [" + e2e::WindowText(window) + ": " + text + "]";
  }
  return messages.empty() ? " (no message open)" : messages;
}

struct Conversion {
  double seconds = 0;   // from the drop to the copy listed, less the question
  double question = 0;  // from the question seen to its answer
  std::string copy;
  double copySeconds = 0;
  // How far the program's memory grew over what it held before the drop,
  // and what the decoded float samples took: the copy's 16-bit samples' size
  // twice over.
  double grownMegabytes = 0, decodedMegabytes = 0;
  std::vector<double> latencies;  // sorted, when probed
};

// One conversion in a chimelo.exe of its own; the reason it failed, or "".
std::string Convert(const char* exe, const std::wstring& sound, bool probed, Conversion& result) {
  const std::wstring folder = SoundsFolder();
  if (folder.empty()) return "LOCALAPPDATA is not set";
  DeleteCopies(folder);
  // Declared first, so it goes last: after the program has been ended.
  ScratchDirectory directory;
  e2e::ChimeloProcess chimelo(exe, directory.Path());
  if (!chimelo.Started()) return std::string("cannot start ") + exe;
  HWND frame = e2e::WaitForFrame(chimelo.Id(), 30000);
  if (!frame || !e2e::Settle(frame)) return "Chimelo's window did not come up within 30 s";
  HWND dialog = e2e::Dialog(frame);
  HWND list = e2e::Control(dialog, IDC_ASSOCIATED_LIST);
  HWND files = e2e::Control(dialog, IDC_FILES);
  if (EntryCount(list) != 0) return "the selected event has sounds before the drop";

  RECT rect;
  GetClientRect(list, &rect);
  POINT point = {rect.right / 2, rect.bottom / 2};
  MapWindowPoints(list, dialog, &point, 1);

  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, chimelo.Id());
  PROCESS_MEMORY_COUNTERS before = {}, after = {};
  if (!process || !GetProcessMemoryInfo(process, &before, sizeof before))
    return "the program's memory cannot be read";
  const double start = Now();
  if (!e2e::DropFiles(dialog, point, {sound})) return "the drop could not be delivered";
  std::unique_ptr<LatencyProbe> probe(probed ? new LatencyProbe(dialog) : nullptr);
  // The question is answered within the poll that finds it; the controls
  // come back only when the worker is done with the whole batch.
  double asked = 0, answered = 0;
  bool disabled = false;
  const bool ended = PollUntil(
      [&] {
        if (!asked) {
          if (HWND box = e2e::FindMessageBox(chimelo.Id(), Caption, Question)) {
            asked = Now();
            if (!e2e::AnswerMessageBox(box, IDNO)) return true;
            answered = Now();
          }
        }
        const bool enabled = IsWindowEnabled(files);
        disabled |= !enabled;
        return enabled && (disabled || EntryCount(list) > 0);
      },
      ConvertTimeout);
  // The list is filled right after the controls come back, in the same
  // message.
  const bool listed = ended && PollUntil([&] { return EntryCount(list) > 0; }, 1);
  const double end = Now();
  GetProcessMemoryInfo(process, &after, sizeof after);
  CloseHandle(process);
  if (probe) probe->Stop();
  if (asked && !answered) return "the question could not be answered No";
  if (!ended)
    return "the conversion did not end within 120 s; " + std::to_string(EntryCount(list)) +
           " sounds listed, Files " + (IsWindowEnabled(files) ? "enabled" : "disabled") +
           OpenMessages(chimelo.Id());
  if (!listed || EntryCount(list) != 1)
    return "the conversion ended with " + std::to_string(EntryCount(list)) +
           " sounds listed instead of one copy" + OpenMessages(chimelo.Id());
  if (!asked) return "no \"" + std::string(Question) + "\" was asked about the long sound";

  result.question = answered - asked;
  result.seconds = end - start - result.question;
  result.copy = e2e::ListStrings(list).at(0);
  unsigned long dataBytes = 0;
  result.copySeconds = WavSeconds(result.copy, dataBytes);
  result.grownMegabytes = (double(after.PeakWorkingSetSize) - double(before.WorkingSetSize)) / 1e6;
  result.decodedMegabytes = 2.0 * dataBytes / 1e6;
  DeleteCopies(folder);
  if (result.copySeconds < ShortestWhole)
    return "the copy " + result.copy + " holds " + std::to_string(result.copySeconds) +
           " s of sound, not the whole source";
  if (probe) result.latencies = probe->Samples();
  if (probed && result.latencies.empty())
    return "no latency sample: the conversion ended before the first answer";
  return "";
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "convert-benchmark: %s\n", message.c_str());
  return 1;
}

}  // namespace

// Twice, each in a new chimelo.exe: the probe's back-to-back round trips
// take the one CPU from the worker, so the time is taken without it, and
// the window's answers in a second conversion with it.
int main(int argc, char** argv) {
  if (argc != 3) return Fail("usage: convert-benchmark CHIMELO.EXE SOUND");
  const std::wstring sound = e2e::Wide(argv[2]);
  if (GetFileAttributesW(sound.c_str()) == INVALID_FILE_ATTRIBUTES)
    return Fail(std::string("no sound at ") + argv[2]);

  Conversion timed, probed;
  std::string problem = Convert(argv[1], sound, false, timed);
  if (!problem.empty()) return Fail(problem);
  std::printf("chimelo conversion: %.3f s (%.3f s in all, the question open %.3f s)\n",
              timed.seconds, timed.seconds + timed.question, timed.question);
  std::printf("copy: %.1f s of sound, %s\n", timed.copySeconds, timed.copy.c_str());
  std::printf("peak memory of the conversion: %.1f MB over the idle program, %.2f x the decoded "
              "samples' %.1f MB\n",
              timed.grownMegabytes, timed.grownMegabytes / timed.decodedMegabytes,
              timed.decodedMegabytes);
  problem = Convert(argv[1], sound, true, probed);
  if (!problem.empty()) return Fail(problem);
  const auto& samples = probed.latencies;
  std::printf("latency during conversion: p50 %.1f ms, p99 %.1f ms, max %.1f ms (n=%d), "
              "converted in %.3f s\n",
              Percentile(samples, 0.5), Percentile(samples, 0.99), samples.back(),
              static_cast<int>(samples.size()), probed.seconds);
  return 0;
}
