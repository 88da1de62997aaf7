#pragma once
// Console output of Google Benchmark followed by ratio lines: each pair
// names a measured benchmark and the baseline it is compared with, the
// argument (the document size) appended to both; then how each benchmark
// scales from one size to the next.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

struct RatioPair {
    std::string measured;
    std::string baseline;
};

class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(std::vector<RatioPair> pairs) : pairs_(std::move(pairs)) {}
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    void PrintScaling() const;

    std::vector<RatioPair> pairs_;
    std::map<std::string, double> seconds_;
};

// Runs every registered benchmark with this reporter.
int RunWithRatios(int argc, char** argv, std::vector<RatioPair> pairs);
