// Slydra's benchmarks: painting, slides, the scramble, the stats file and the
// preparation of tile pictures, each beside its target and, where one exists,
// the physical limit of the same work (BM_Limit_*).
//
//   slydra_bench [benchmark options]
#include "BenchTargets.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdio>

int main(int argc, char** argv)
{
    // The painting code reads its colours from the application palette.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int nQtArgc = 1;
    QGuiApplication app(nQtArgc, argv);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    CBenchTargets reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool bMet = reporter.Summarise();
    benchmark::Shutdown();
    return bMet ? 0 : 1;
}
