#include "Fastest.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace Bench {

void TFastest::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    const bool minimum = run.run_type == Run::RT_Aggregate && run.aggregate_name == "min";
    if ((run.run_type != Run::RT_Iteration && !minimum) || run.error_occurred ||
        run.iterations == 0)
      continue;
    const double ns =
        run.GetAdjustedCPUTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
    const std::string& args = run.run_name.args;
    const std::string name = run.run_name.function_name + (args.empty() ? "" : "/" + args);
    auto [at, added] = FNanoseconds.emplace(name, ns);
    if (!added) at->second = std::min(at->second, ns);
  }
}

double TFastest::Nanoseconds(const std::string& name) const {
  const auto at = FNanoseconds.find(name);
  return at == FNanoseconds.end() ? std::numeric_limits<double>::quiet_NaN() : at->second;
}

void WithMinimum(benchmark::internal::Benchmark* b) {
  b->ComputeStatistics(
      "min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
}

std::string Ratio(double value, double base) {
  if (std::isnan(value) || std::isnan(base) || base <= 0) return "-";
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value / base);
  return text;
}

std::string Nanoseconds(double value) {
  if (std::isnan(value)) return "-";
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

int RunAndSummarise(int argc, char** argv, const std::function<void(const TFastest&)>& summary) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  TFastest reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  summary(reporter);
  return 0;
}

}  // namespace Bench
