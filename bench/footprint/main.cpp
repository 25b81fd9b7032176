// Starts programs and measures what their start-up costs: how long until the
// first window shows, how long until that window is painted, and how much
// memory the program holds once it has settled. The programs take turns,
// round after round; each is terminated after its run, which prints a line:
//   round 2, minimal-dialog.exe: visible 180.4 ms, painted 189.1 ms, private 3896 KiB,
//   working set 18844 KiB    (all on one line)
// Usage: footprint WORKING-DIRECTORY ROUNDS PROGRAM.EXE [/SWITCH]...
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr double WindowTimeout = 30;  // seconds, from the start
constexpr double PaintTimeout = 30;   // seconds, from the window showing
// Painting can come in rounds (a list filled after the first paint): the
// window counts as painted once nothing has needed painting for this long.
constexpr double SettleTime = 0.5;
// Lets the last program's process finish going before the next one starts.
constexpr DWORD PauseMs = 300;

struct Figures {
  double visible = 0, painted = 0;  // seconds from the start
  SIZE_T privateBytes = 0, workingSet = 0;
};

// Seconds on the performance counter.
double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// A program started for one run; terminated when the run is over. The
// programs measured here show their windows from their first thread.
class Program {
 public:
  Program(const std::string& path, const std::string& arguments, const std::string& directory) {
    std::string commandLine = "\"" + path + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        directory.c_str(), &startup, &process_))
      process_ = {};
  }
  ~Program() {
    if (!Started()) return;
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Started() const { return process_.hProcess != nullptr; }
  bool Running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }
  HANDLE Handle() const { return process_.hProcess; }
  DWORD ThreadId() const { return process_.dwThreadId; }

 private:
  PROCESS_INFORMATION process_ = {};
};

// The polls share the one CPU with the program they watch, and every call
// about another process's window is a server round trip: they ask about one
// thread's windows only, and stop at the first answer.
BOOL CALLBACK FindVisible(HWND window, LPARAM found) {
  if (!IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

HWND VisibleWindow(DWORD threadId) {
  HWND found = nullptr;
  EnumThreadWindows(threadId, FindVisible, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Only a visible window is ever sent WM_PAINT; without an update region it
// has none coming.
bool Unpainted(HWND window) {
  return GetUpdateRect(window, nullptr, FALSE) && IsWindowVisible(window);
}

BOOL CALLBACK FindUnpainted(HWND window, LPARAM found) {
  if (!Unpainted(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

BOOL CALLBACK FindUnpaintedInTree(HWND top, LPARAM found) {
  if (FindUnpainted(top, found)) EnumChildWindows(top, FindUnpainted, found);
  return !*reinterpret_cast<HWND*>(found);
}

// Whether a window of the thread waits for a paint. The one found last time
// is asked first: while painting goes on, it usually still waits.
class PaintWatch {
 public:
  explicit PaintWatch(DWORD threadId) : threadId_(threadId) {}

  bool NeedsPainting() {
    if (waiting_ && Unpainted(waiting_)) return true;
    waiting_ = nullptr;
    EnumThreadWindows(threadId_, FindUnpaintedInTree, reinterpret_cast<LPARAM>(&waiting_));
    return waiting_ != nullptr;
  }

 private:
  DWORD threadId_;
  HWND waiting_ = nullptr;
};

// One run of the program: what went wrong, or nothing.
std::string Measure(const std::string& path, const std::string& arguments,
                    const std::string& directory, Figures& figures) {
  const double start = Now();
  Program program(path, arguments, directory);
  if (!program.Started()) return "cannot be started";
  const DWORD thread = program.ThreadId();

  while (!VisibleWindow(thread)) {
    if (!program.Running()) return "ended before showing a window";
    if (Now() - start > WindowTimeout) return "showed no window within 30 s";
    Sleep(1);
  }
  figures.visible = Now() - start;

  // WaitForInputIdle returns at the show under Wine; the update regions
  // tell when the paint is over.
  PaintWatch watch(thread);
  bool clean = false;
  for (;;) {
    const double now = Now() - start;
    if (watch.NeedsPainting()) {
      clean = false;
    } else if (!clean) {
      clean = true;
      figures.painted = now;
    }
    if (clean && now - figures.painted >= SettleTime) break;
    if (now - figures.visible > PaintTimeout) return "still painting after 30 s";
    if (!program.Running()) return "ended while painting";
    Sleep(1);
  }

  PROCESS_MEMORY_COUNTERS_EX memory = {};
  if (!GetProcessMemoryInfo(program.Handle(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                            sizeof memory))
    return "has memory that cannot be read";
  // Wine leaves PrivateUsage 0; its PagefileUsage is the anonymous memory
  // the program holds, which is what PrivateUsage counts on Windows.
  figures.privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
  figures.workingSet = memory.WorkingSetSize;
  return "";
}

std::string FileName(const std::string& path) { return path.substr(path.find_last_of("\\/") + 1); }

}  // namespace

// This process lives through all the runs, and so does the desktop it holds:
// Wine closes the desktop a second after its last program has ended, and a
// run that had to start it again would pay for it.
int main(int argc, char** argv) {
  const int rounds = argc > 3 ? std::atoi(argv[2]) : 0;
  if (rounds < 1) {
    std::fprintf(stderr, "usage: footprint WORKING-DIRECTORY ROUNDS PROGRAM.EXE [/SWITCH]...\n");
    return 1;
  }
  // A switch belongs to the program before it.
  struct Run {
    std::string path, arguments;
  };
  std::vector<Run> runs;
  for (int i = 3; i < argc; ++i)
    if (argv[i][0] == '/' && !runs.empty())
      runs.back().arguments += argv[i];
    else
      runs.push_back({argv[i], ""});
  GetDesktopWindow();  // starts Wine's desktop, if need be, before the first run
  for (int round = 1; round <= rounds; ++round) {
    // Each round starts with the next program: a start right after the same
    // program's own is quicker, and none is always first or always second.
    for (size_t turn = 0; turn < runs.size(); ++turn) {
      const Run& run = runs[(turn + round) % runs.size()];
      const std::string name =
          FileName(run.path) + (run.arguments.empty() ? "" : " " + run.arguments);
      Figures figures;
      const std::string error = Measure(run.path, run.arguments, argv[1], figures);
      if (!error.empty()) {
        std::fprintf(stderr, "footprint: %s %s\n", name.c_str(), error.c_str());
        return 1;
      }
      std::printf(
          "round %d, %s: visible %.1f ms, painted %.1f ms, private %lu KiB, working set %lu KiB\n",
          round, name.c_str(), figures.visible * 1000, figures.painted * 1000,
          static_cast<unsigned long>(figures.privateBytes / 1024),
          static_cast<unsigned long>(figures.workingSet / 1024));
      std::fflush(stdout);
      Sleep(PauseMs);
    }
  }
  return 0;
}
