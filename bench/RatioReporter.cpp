#include "RatioReporter.h"

#include <cstdio>
#include <cstdlib>

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs)
        if (run.run_type == Run::RT_Iteration && !run.error_occurred)
            seconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::printf("\nRatios (same run):\n");
    for (const auto& [name, time] : seconds_) {
        for (const RatioPair& pair : pairs_) {
            if (name.rfind(pair.measured + "/", 0) != 0)
                continue;
            const std::string size = name.substr(pair.measured.size());
            const auto baseline = seconds_.find(pair.baseline + size);
            if (baseline != seconds_.end() && baseline->second > 0)
                std::printf("  %-34s / %-30s = %6.2f\n", name.c_str(), (pair.baseline + size).c_str(),
                            time / baseline->second);
        }
    }
    PrintScaling();
}

// Ten times the data against the size below it: linear work gives about 10.
void RatioReporter::PrintScaling() const
{
    std::printf("\nScaling (time at 10 N / time at N):\n");
    for (const auto& [name, time] : seconds_) {
        const auto slash = name.rfind('/');
        if (slash == std::string::npos)
            continue;
        const long size = std::atol(name.c_str() + slash + 1);
        const auto smaller = seconds_.find(name.substr(0, slash + 1) + std::to_string(size / 10));
        if (size >= 10 && smaller != seconds_.end() && smaller->second > 0)
            std::printf("  %-34s = %6.2f\n", name.c_str(), time / smaller->second);
    }
}

int RunWithRatios(int argc, char** argv, std::vector<RatioPair> pairs)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter(std::move(pairs));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
