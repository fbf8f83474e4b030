#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// The time each benchmarked operation may take at most. Benchmarks register
// their budget; the reporter prints every figure against it at the end, and
// the program fails when one is over.
class CBenchTargets : public benchmark::ConsoleReporter
{
public:
    // nMaxNs applies to every benchmark whose name starts with strPrefix.
    static void Set(const std::string& strPrefix, double nMaxNs);

    void ReportRuns(const std::vector<Run>& runs) override;
    // Prints the verdicts; returns false when a figure is over its target.
    bool Summarise() const;

private:
    struct SFigure
    {
        double ns = 0;
        bool bMedian = false;
    };
    static std::map<std::string, double>& Targets();
    std::map<std::string, SFigure> m_figures;
};
