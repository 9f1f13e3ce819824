#include "RatioReporter.h"

#include <cstdio>

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
        if (run.run_type == Run::RT_Iteration && !run.error_occurred)
            m_times[run.benchmark_name()] = run.GetAdjustedRealTime();
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::printf("\n%-44s %-34s %8s %8s\n", "measured", "baseline", "ratio", "target");
    for (const Ratio& ratio : m_ratios) {
        const auto measured = m_times.find(ratio.measured);
        const auto baseline = m_times.find(ratio.baseline);
        if (measured == m_times.end() || baseline == m_times.end() || baseline->second <= 0)
            continue;
        const double value = measured->second / baseline->second;
        char target[32] = "";
        if (ratio.target > 0)
            std::snprintf(target, sizeof target, "%s %.2f", value <= ratio.target ? "<=" : "MISSED >", ratio.target);
        std::printf("%-44s %-34s %8.2f %s\n", ratio.measured.c_str(), ratio.baseline.c_str(), value, target);
    }
}

int RunBenchmarksWithRatios(int argc, char** argv, std::vector<RatioReporter::Ratio> ratios)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter(std::move(ratios));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
