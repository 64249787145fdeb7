// Millisecond samples of repeated calls and their summary.
#pragma once

#include <functional>
#include <string>
#include <vector>

// Milliseconds, with sub-millisecond resolution, that one call took.
double TimeCall(const std::function<void()>& call);

struct Summary {
  double median = 0;
  double p95 = 0;
  int failures = 0;
};

// Runs the call count times (after two unmeasured warm-up calls); the call reports success.
// prepare, when given, runs before each call and is not counted.
Summary Measure(int count, const std::function<bool()>& call,
                const std::function<void()>& prepare = nullptr);

// The floor against which every later figure is also given as a ratio, so that a change of the
// library's own overhead can be read off one run on a noisy machine.
void SetFloor(double medianMs);
// "   x<ratio> floor" for a time in milliseconds, or "" while no floor is set.
std::string FloorRatio(double ms);

// One aligned report line: "<name> median <m> ms  p95 <p> ms  (<n> calls, <f> failed)", followed
// by the median's ratio to the floor.
std::string LatencyLine(const std::string& name, int count, const Summary& summary);
