#include "RatioReporter.h"

#include <cstdio>

namespace {

// A benchmark's name as registered, without the "/iterations:2" that a
// fixed count of iterations adds to it: the name the ratios give.
std::string NameWithoutIterations(const benchmark::BenchmarkReporter::Run& run)
{
    const std::string& args = run.run_name.args;
    return run.run_name.function_name + (args.empty() ? "" : "/" + args);
}

} // namespace

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
        if (run.run_type == Run::RT_Iteration && !run.error_occurred)
            m_times[NameWithoutIterations(run)] =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
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
    if (m_limits.empty())
        return;
    std::printf("\n%-44s %12s %8s\n", "measured", "time (ms)", "target");
    for (const Limit& limit : m_limits) {
        const auto measured = m_times.find(limit.measured);
        if (measured == m_times.end())
            continue;
        const double milliseconds = measured->second * 1e3;
        std::printf("%-44s %12.4f %s %.1f ms\n", limit.measured.c_str(), milliseconds,
                    milliseconds <= limit.milliseconds ? "<=" : "MISSED >", limit.milliseconds);
    }
}

int RunBenchmarksWithRatios(int argc, char** argv, std::vector<RatioReporter::Ratio> ratios,
                            std::vector<RatioReporter::Limit> limits)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter(std::move(ratios), std::move(limits));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
