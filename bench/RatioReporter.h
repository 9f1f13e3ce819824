#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

// The console report, followed by each measured benchmark's time as a
// ratio of its baseline's time from the same run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // {measured, baseline, target ratio (0 for none)}
    struct Ratio {
        std::string measured;
        std::string baseline;
        double target = 0;
    };
    // {measured, the most milliseconds it may take}
    struct Limit {
        std::string measured;
        double milliseconds;
    };
    RatioReporter(std::vector<Ratio> ratios, std::vector<Limit> limits)
        : m_ratios(std::move(ratios)), m_limits(std::move(limits)) {}

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    std::vector<Ratio> m_ratios;
    std::vector<Limit> m_limits;
    std::map<std::string, double> m_times;
};

// Runs every registered benchmark with the reporter; returns the exit status.
int RunBenchmarksWithRatios(int argc, char** argv, std::vector<RatioReporter::Ratio> ratios,
                            std::vector<RatioReporter::Limit> limits = {});
