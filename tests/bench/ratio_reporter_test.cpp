// The tabulation benchmark's ratio table takes each benchmark's own runs,
// over all its repetitions, and none of the aggregates reported after them.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "ratio_reporter.h"

namespace {

using RunReport = benchmark::BenchmarkReporter::Run;

RunReport Measured(const char* name, double wall, double cpu, benchmark::IterationCount iterations)
{
    RunReport run;
    run.run_name.function_name = name;
    run.real_accumulated_time = wall;
    run.cpu_accumulated_time = cpu;
    run.iterations = iterations;
    return run;
}

RunReport Aggregate(const char* name, const char* statistic, double value)
{
    RunReport run = Measured(name, value, value, 3);
    run.run_type = RunReport::RT_Aggregate;
    run.aggregate_name = statistic;
    return run;
}

// The words of the table's row for `name`; none when it has no row.
std::vector<std::string> Row(const std::string& table, const std::string& name)
{
    std::istringstream lines(table);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::vector<std::string> row;
        for (std::string word; words >> word;)
            row.push_back(word);
        if (!row.empty() && row[0] == name)
            return row;
    }
    return {};
}

TEST(RatioReporter, TimesAreTheRunsOwnOverEveryRepetition)
{
    const struct {
        const char* what;
        std::vector<std::vector<RunReport>> reports;  // as the library hands them over, one call each
        std::vector<std::string> row;
    } cases[] = {
        {"one run each",
         {{Measured("BM_TabulateOneColumn", 2.0, 1.0, 10)}, {Measured("BM_PlainLoopOneColumn", 0.5, 0.5, 10)}},
         {"BM_TabulateOneColumn", "0.200", "0.100", "4.00", "2.00"}},
        {"three repetitions, then their aggregates",
         {{Measured("BM_TabulateOneColumn", 2.0, 1.0, 10), Measured("BM_TabulateOneColumn", 1.2, 0.6, 4),
           Measured("BM_TabulateOneColumn", 1.0, 0.6, 6)},
          {Aggregate("BM_TabulateOneColumn", "mean", 9.0), Aggregate("BM_TabulateOneColumn", "median", 9.0),
           Aggregate("BM_TabulateOneColumn", "stddev", 0.01), Aggregate("BM_TabulateOneColumn", "cv", 0.018)},
          {Measured("BM_PlainLoopOneColumn", 0.5, 0.5, 10), Measured("BM_PlainLoopOneColumn", 1.5, 1.5, 10)},
          {Aggregate("BM_PlainLoopOneColumn", "mean", 7.0), Aggregate("BM_PlainLoopOneColumn", "cv", 0.02)}},
         {"BM_TabulateOneColumn", "0.210", "0.110", "2.10", "1.10"}},
    };
    for (const auto& c : cases) {
        kz::bench::RatioReporter reporter;
        std::ostringstream console;
        reporter.SetOutputStream(&console);
        for (const std::vector<RunReport>& report : c.reports)
            reporter.ReportRuns(report);
        EXPECT_EQ(Row(reporter.ratios(), "BM_TabulateOneColumn"), c.row) << c.what;
    }
}

}  // namespace
