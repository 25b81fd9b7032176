// Soaks chimelo.exe: thousands of rotation ticks and event selections, with
// the process's GDI objects, windows, handles and memory measured at the
// start, half-way and at the end. It fails if any of them grew in the second
// half, when warm-up allocations are over.
//   soak [--short] [CHIMELO.EXE]   (a Windows path; by default the one beside soak.exe)
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "Driver.h"
#include "GdiObjects.h"
#include "ProcessResources.h"
#include "ResourceTable.h"
#include "resources/ResourceIds.h"
#include "scheme/EventTable.h"
#include "tests/support/BesideThisProgram.h"
#include "tests/support/ScratchDirectory.h"

namespace {

// A round is five ticks and one event selection, handled and painted
// before the next is posted: posted messages are otherwise unbounded.
constexpr int TicksPerRound = 5;
constexpr int LongRounds = 2000;  // 10,000 ticks and 2,000 selections
constexpr int ShortRounds = 200;  // 1,000 ticks and 200 selections
constexpr int SoundsPerEvent = 5;

using Handle = std::unique_ptr<void, decltype(&CloseHandle)>;

// Five paths for each of the twelve events; the files need not exist.
std::string SettingsText() {
  std::string text;
  for (int event = 0; event < EventCount; ++event) {
    const std::string number = std::to_string(EventNumber(event));
    text += "[" + number + "]\r\n";
    for (int sound = 1; sound <= SoundsPerEvent; ++sound)
      text += std::to_string(sound) + "=C:\\SOUNDS\\E" + number + "-" + std::to_string(sound) +
              ".WAV\r\n";
  }
  return text;
}

double Seconds() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "soak: %s\n", message.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = LongRounds;
  std::string program = BesideThisProgram("chimelo.exe");
  for (int index = 1; index < argc; ++index) {
    if (std::strcmp(argv[index], "--short") == 0)
      rounds = ShortRounds;
    else if (argv[index][0] == '-')
      return Fail("usage: soak [--short] [CHIMELO.EXE]");
    else
      program = argv[index];
  }
  if (!GdiCountingWorks())
    return Fail("GDI objects cannot be counted here: 100 new brushes did not count as 100");

  ScratchDirectory directory;  // also the current directory, where the settings go
  WriteFileText("chimelo.ini", SettingsText());
  e2e::ChimeloProcess chimelo(program, directory.Path());  // terminated when the soak ends
  if (!chimelo.Started()) return Fail("cannot start " + program);
  HWND frame = e2e::WaitForFrame(chimelo.Id(), 30000);
  if (!frame || !e2e::Settle(frame)) return Fail("Chimelo's window did not come up within 30 s");
  HWND dialog = e2e::Dialog(frame);
  HWND events = e2e::Control(dialog, IDC_EVENT_LIST);
  Handle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | PROCESS_DUP_HANDLE,
                             FALSE, chimelo.Id()),
                 &CloseHandle);
  if (!process) return Fail("cannot open Chimelo's process to measure it");

  std::printf("soak: %d ticks and %d event selections\n", rounds * TicksPerRound, rounds);
  ResourceTable table;
  table.Add("start", MeasureResources(process.get(), chimelo.Id()));
  if (!table.Complete(0))
    return Fail("Chimelo's resources cannot be measured: " + table.Missing(0));

  const double start = Seconds();
  for (int round = 1; round <= rounds; ++round) {
    const std::string where = " in round " + std::to_string(round);
    if (!chimelo.Running())
      return Fail("chimelo.exe stopped" + where + ", exit code " +
                  std::to_string(chimelo.ExitCode()));
    for (int tick = 0; tick < TicksPerRound; ++tick) e2e::PostTimerTick(dialog, e2e::RotationTimer);
    // The selection refills the owner-drawn sounds list. Paints wait for an
    // empty queue, so settling each round is what makes every refill paint.
    if (!e2e::SelectListEntry(events, (round - 1) % EventCount))
      return Fail("the events list could not be clicked" + where);
    if (!e2e::Settle(frame)) return Fail("Chimelo did not settle within 10 s" + where);
    if (e2e::AnyMessageBoxOpen(chimelo.Id())) return Fail("a message box opened" + where);
    if (round == rounds / 2) {
      table.Add("half-way", MeasureResources(process.get(), chimelo.Id()));
      std::printf("first half: %.1f s\n", Seconds() - start);
    }
  }
  if (!chimelo.Running()) return Fail("chimelo.exe stopped at the end of the run");
  table.Add("end", MeasureResources(process.get(), chimelo.Id()));
  std::printf("whole run: %.1f s\n\n", Seconds() - start);

  table.Print();
  const std::string growth = table.Growth(1, 2);
  if (!growth.empty()) return Fail("from half-way to the end, " + growth);
  std::printf("\nno growth from half-way to the end\n");
  return 0;
}
