#include "LatencyProbe.h"

#include <algorithm>
#include <cmath>

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// A sent message waits until the window's thread looks at its queue, as
// typed input would; one at a time, so the probe never floods the queue.
void LatencyProbe::Run(HWND window) {
  while (!stop_) {
    const double start = Now();
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
    samples_.push_back((Now() - start) * 1000);
  }
}

void LatencyProbe::Stop() {
  stop_ = true;
  if (!thread_.joinable()) return;
  thread_.join();
  std::sort(samples_.begin(), samples_.end());
}

bool PollUntil(const std::function<bool()>& condition, double timeoutSeconds) {
  const double start = Now();
  while (!condition()) {
    if (Now() - start > timeoutSeconds) return false;
    Sleep(1);
  }
  return true;
}

double Percentile(const std::vector<double>& sorted, double fraction) {
  const auto rank = static_cast<size_t>(std::ceil(fraction * static_cast<double>(sorted.size())));
  return sorted[std::max<size_t>(rank, 1) - 1];
}
