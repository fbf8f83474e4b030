#include "BenchTargets.h"

#include <cstdio>

std::map<std::string, double>& CBenchTargets::Targets()
{
    static std::map<std::string, double> targets;
    return targets;
}

void CBenchTargets::Set(const std::string& strPrefix, double nMaxNs)
{
    Targets()[strPrefix] = nMaxNs;
}

void CBenchTargets::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred)
            continue;
        // With repetitions the median stands for the benchmark; without, its one run.
        const bool bMedian = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.run_type == Run::RT_Aggregate && !bMedian)
            continue;
        const std::string strName = run.run_name.str();
        SFigure& figure = m_figures[strName];
        if (figure.bMedian && !bMedian)
            continue;
        figure.ns = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
        figure.bMedian = bMedian;
    }
}

bool CBenchTargets::Summarise() const
{
    bool bAllMet = true;
    bool bHeader = false;
    for (const auto& [strName, figure] : m_figures) {
        for (const auto& [strPrefix, nMaxNs] : Targets()) {
            if (strName.compare(0, strPrefix.size(), strPrefix) != 0)
                continue;
            if (!bHeader) {
                std::printf("\n%-44s %14s %14s  %s\n", "target", "measured", "at most", "verdict");
                bHeader = true;
            }
            const bool bMet = figure.ns <= nMaxNs;
            bAllMet = bAllMet && bMet;
            std::printf("%-44s %11.1f us %11.1f us  %s%s\n", strName.c_str(), figure.ns / 1e3, nMaxNs / 1e3,
                        bMet ? "ok" : "OVER", figure.bMedian ? " (median)" : "");
            break;
        }
    }
    return bAllMet;
}
