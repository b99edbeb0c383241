// Ratios between the benchmarks of one run.
//
// TFastest reports as the console reporter does and keeps, for every benchmark, the
// least CPU time per iteration over its repetitions: with other work on the machine
// the minimum is the figure least disturbed. Benchmarks given the "min" statistic
// (WithMinimum) keep it when only aggregates are reported. RunAndSummarise runs the registered
// benchmarks through it and then hands the times to `summary`, which prints a table
// of ratios, so that every ratio compares figures measured side by side.
#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace Bench {

class TFastest final : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  // Nanoseconds per iteration of benchmark `name`, its arguments following after
  // slashes; NaN when it did not run (filtered out, or built without its library).
  double Nanoseconds(const std::string& name) const;

 private:
  std::map<std::string, double> FNanoseconds;
};

// Adds the "min" statistic to a benchmark's aggregates.
void WithMinimum(benchmark::internal::Benchmark* b);

// `value` / `base` with two decimals, or "-" when either is missing.
std::string Ratio(double value, double base);
// Nanoseconds with one decimal, or "-" when missing.
std::string Nanoseconds(double value);

int RunAndSummarise(int argc, char** argv, const std::function<void(const TFastest&)>& summary);

}  // namespace Bench
