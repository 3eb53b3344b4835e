// The console reporter of tabulation_bench: the console's table, then each
// tabulation against the plain loop of the same job.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace kz::bench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter();

    void ReportRuns(const std::vector<Run>& runs) override;

    // "against the plain loop" with each job's wall and CPU seconds an
    // iteration and their ratios to the plain loop's; a job without times
    // on both sides is left out.
    std::string ratios() const;

private:
    // Summed over every repetition's own run; the aggregates that follow
    // them (mean, median, deviation) are times of another kind.
    struct Times {
        double wallSum = 0;
        double cpuSum = 0;
        benchmark::IterationCount iterations = 0;

        double wall() const { return wallSum / static_cast<double>(iterations); }
        double cpu() const { return cpuSum / static_cast<double>(iterations); }
    };
    std::map<std::string, Times> times_;
};

}  // namespace kz::bench
