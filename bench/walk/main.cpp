// Starts chimelo.exe in a drive's root, presses &Files, which walks the
// current drive, and measures the walk: how long until the browser is
// usable again, how fast the window answers meanwhile, and how many WAV
// files it lists. (The selector is hidden until the browser unfolds.)
// With --filter, then measures keystrokes in the filter over what the walk
// listed: from each key to the list drawn anew.
//   walk-benchmark CHIMELO.EXE DRIVE-LETTER [--filter]
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

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

bool AllEnabled(HWND dialog) {
  return std::all_of(std::begin(WalkControls), std::end(WalkControls),
                     [&](int id) { return IsWindowEnabled(e2e::Control(dialog, id)); });
}

long EntryCount(HWND list) { return static_cast<long>(SendMessageW(list, LB_GETCOUNT, 0, 0)); }

std::wstring Text(HWND control) {
  wchar_t text[256] = L"";
  SendMessageW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
  return text;
}

// Each key of a round narrows the list further, and Escape brings every
// row back: each is typed, and timed until the box holds the text the key
// makes, the list has no part left to paint, and a message sent behind
// the paint comes back.
bool TimeFilterKeys(HWND dialog, std::vector<double>& samples) {
  const HWND filter = e2e::Control(dialog, IDC_FILTER), list = e2e::Control(dialog, IDC_WAV_LIST);
  const struct {
    WORD key;
    const wchar_t* text;
  } round[] = {{'1', L"1"},      {'2', L"12"},     {'3', L"123"},   {VK_SPACE, L"123 "},
               {'D', L"123 d"},  {'0', L"123 d0"}, {VK_ESCAPE, L""}};
  PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(filter), TRUE);
  if (!e2e::Settle(dialog)) return false;
  for (int rounds = 0; rounds < 30; ++rounds) {
    for (const auto& stroke : round) {
      const double start = Now();
      if (!e2e::Type(filter, {{stroke.key}}) ||
          !PollUntil([&] { return Text(filter) == stroke.text; }, 5) ||
          !PollUntil([&] { return !GetUpdateRect(list, nullptr, FALSE); }, 5))
        return false;
      DWORD_PTR result = 0;
      SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
      samples.push_back((Now() - start) * 1000);
    }
  }
  std::sort(samples.begin(), samples.end());
  return true;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "walk-benchmark: %s\n", message.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const bool filter = argc == 4 && std::string(argv[3]) == "--filter";
  if (argc != 3 && !filter) return Fail("usage: walk-benchmark CHIMELO.EXE DRIVE-LETTER [--filter]");
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
              Percentile(samples, 0.5), Percentile(samples, 0.99), samples.back(),
              static_cast<int>(samples.size()));
  if (!filter) return 0;
  std::vector<double> keys;
  if (!TimeFilterKeys(dialog, keys)) return Fail("a keystroke in the filter was not shown within 5 s");
  std::printf("filter keystroke: p50 %.1f ms, p99 %.1f ms, max %.1f ms (n=%d, %ld rows)\n",
              Percentile(keys, 0.5), Percentile(keys, 0.99), keys.back(),
              static_cast<int>(keys.size()), EntryCount(list));
  return 0;
}
