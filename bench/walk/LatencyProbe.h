#pragma once
// How long a window takes to answer, sampled back to back from a thread of
// its own: each sample is one sent WM_NULL's round trip.
#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

// Seconds on the performance counter.
double Now();

// Polls every millisecond, for a finer end than e2e::WaitUntil's 10 ms.
bool PollUntil(const std::function<bool()>& condition, double timeoutSeconds);

// The nearest-rank percentile of sorted samples, fraction in (0, 1].
double Percentile(const std::vector<double>& sorted, double fraction);

class LatencyProbe {
 public:
  explicit LatencyProbe(HWND window) : thread_([this, window] { Run(window); }) {}
  ~LatencyProbe() { Stop(); }
  LatencyProbe(const LatencyProbe&) = delete;
  LatencyProbe& operator=(const LatencyProbe&) = delete;

  void Stop();
  // Round trips in milliseconds, sorted; valid after Stop().
  const std::vector<double>& Samples() const { return samples_; }

 private:
  void Run(HWND window);

  std::atomic<bool> stop_{false};
  std::vector<double> samples_;
  std::thread thread_;  // last: it starts once the members above exist
};
