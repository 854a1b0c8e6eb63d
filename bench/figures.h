#pragma once

// Runs the registered Google benchmarks with repetitions and hands back the median real time
// of each (in nanoseconds per iteration), so a program can print the FIGURE lines scripts read.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace kwbench {

class MedianCollector : public benchmark::ConsoleReporter
{
public:
    // No colour: the reporter's trailing colour reset would otherwise begin the first FIGURE line.
    MedianCollector()
        : ConsoleReporter(OO_None)
    {
    }

    std::map<std::string, double> medians;

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[run.run_name.str()] = run.GetAdjustedRealTime() * nanosPerUnit(run.time_unit);
        }
    }

private:
    static double nanosPerUnit(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kSecond: return 1e9;
        case benchmark::kMillisecond: return 1e6;
        case benchmark::kMicrosecond: return 1e3;
        default: return 1.0;
        }
    }
};

// Runs every benchmark `repetitions` times; returns median ns per iteration by run name.
inline std::map<std::string, double> runMedians(int argc, char **argv, int repetitions = 7)
{
    std::string reps = "--benchmark_repetitions=" + std::to_string(repetitions);
    std::vector<char *> args(argv, argv + argc);
    args.push_back(const_cast<char *>(reps.c_str()));
    char aggregatesOnly[] = "--benchmark_report_aggregates_only=true";
    args.push_back(aggregatesOnly);
    char noColour[] = "--benchmark_color=false"; // FIGURE lines must start their line
    args.push_back(noColour);
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    MedianCollector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();
    return collector.medians;
}

inline void figure(const char *name, double value)
{
    std::printf("FIGURE %s %.3f\n", name, value);
    std::fflush(stdout);
}

} // namespace kwbench
