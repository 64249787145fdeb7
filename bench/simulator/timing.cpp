#include "timing.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

double TimeCall(const std::function<void()>& call) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  call();
  QueryPerformanceCounter(&end);
  return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

Summary Measure(int count, const std::function<bool()>& call,
                const std::function<void()>& prepare) {
  call();
  call();
  Summary summary;
  std::vector<double> samples;
  for (int i = 0; i < count; ++i) {
    bool ok = true;
    if (prepare) prepare();
    samples.push_back(TimeCall([&] { ok = call(); }));
    if (!ok) ++summary.failures;
  }
  std::sort(samples.begin(), samples.end());
  summary.median = samples[samples.size() / 2];
  summary.p95 = samples[std::min(samples.size() - 1, samples.size() * 95 / 100)];
  return summary;
}

namespace {
double floorMs = 0;
}  // namespace

void SetFloor(double medianMs) { floorMs = medianMs; }

std::string FloorRatio(double ms) {
  if (floorMs <= 0) return "";
  char text[40];
  std::snprintf(text, sizeof text, "   x%.1f floor", ms / floorMs);
  return text;
}

std::string LatencyLine(const std::string& name, int count, const Summary& summary) {
  char line[200];
  std::snprintf(line, sizeof line, "%-34s median %8.2f ms   p95 %8.2f ms   (%d calls, %d failed)",
                name.c_str(), summary.median, summary.p95, count, summary.failures);
  return line + FloorRatio(summary.median);
}
