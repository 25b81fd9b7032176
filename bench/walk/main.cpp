// Starts chimelo.exe in a drive's root, presses &Files, which walks the
// current drive, and measures the walk: how long until the browser is
// usable again, how fast the window answers meanwhile, and how many WAV
// files it lists. (The selector is hidden until the browser unfolds.)
//   walk-benchmark CHIMELO.EXE DRIVE-LETTER
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>
#include <string>

#include "Driver.h"
#include "LatencyProbe.h"
#include "resources/ResourceIds.h"

namespace {

// What the walk disables while it runs, and enables again when done.
constexpr int WalkControls[] = {
    IDC_SAVE,       IDC_EVENT_LIST,     IDC_ASSOCIATED_LIST,     IDC_WAV_LIST,
    IDC_FILES,      IDC_DRIVE_COMBO,    IDC_REMOVE_FROM_CURRENT, IDC_ADD_TO_CURRENT,
    IDC_ADD_TO_ALL, IDC_REMOVE_FROM_ALL};
constexpr double StartTimeout = 10;  // seconds; the walk disables the controls at once
constexpr double WalkTimeout = 120;

// Polls every millisecond, for a finer end than e2e::WaitUntil's 10 ms.
bool PollUntil(const std::function<bool()>& condition, double timeoutSeconds) {
  const double start = Now();
  while (!condition()) {
    if (Now() - start > timeoutSeconds) return false;
    Sleep(1);
  }
  return true;
}

bool AllEnabled(HWND dialog) {
  return std::all_of(std::begin(WalkControls), std::end(WalkControls),
                     [&](int id) { return IsWindowEnabled(e2e::Control(dialog, id)); });
}

long EntryCount(HWND list) { return static_cast<long>(SendMessageW(list, LB_GETCOUNT, 0, 0)); }

int Fail(const std::string& message) {
  std::fprintf(stderr, "walk-benchmark: %s\n", message.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return Fail("usage: walk-benchmark CHIMELO.EXE DRIVE-LETTER");
  const std::string root = std::string(1, argv[2][0]) + ":\\";

  // Terminated when it goes out of scope: nothing of it needs keeping.
  e2e::ChimeloProcess chimelo(argv[1], root);
  if (!chimelo.Started()) return Fail(std::string("cannot start ") + argv[1]);
  HWND frame = e2e::WaitForFrame(chimelo.Id(), 30000);
  if (!frame || !e2e::Settle(frame)) return Fail("Chimelo's window did not come up within 30 s");
  HWND dialog = e2e::Dialog(frame);
  HWND files = e2e::Control(dialog, IDC_FILES);
  HWND list = e2e::Control(dialog, IDC_WAV_LIST);

  const double start = Now();
  if (!e2e::Click(files)) return Fail("the Files button cannot be used");
  LatencyProbe probe(dialog);
  // A walk shorter than a poll may be over before the button is seen
  // disabled; its entries show it ran.
  const bool started =
      PollUntil([&] { return !IsWindowEnabled(files) || EntryCount(list) > 0; }, StartTimeout);
  const bool ended = started && PollUntil([&] { return IsWindowEnabled(files); }, WalkTimeout) &&
                     PollUntil([&] { return AllEnabled(dialog); }, 1);
  const double walk = Now() - start;
  probe.Stop();
  if (!started)
    return Fail("no walk started within 10 s of pressing &Files in " + root +
                ": the Files button stayed enabled and the WAV list empty");
  if (!ended) return Fail("the walk of " + root + " did not end within 120 s");

  std::printf("chimelo walk: %.2f s, %ld entries\n", walk, EntryCount(list));
  const auto& samples = probe.Samples();
  if (samples.empty()) return Fail("no latency sample: the walk ended before the first answer");
  std::printf("latency during walk: p50 %.1f ms, p99 %.1f ms, max %.1f ms (n=%d)\n",
              probe.Percentile(0.5), probe.Percentile(0.99), samples.back(),
              static_cast<int>(samples.size()));
  return 0;
}
