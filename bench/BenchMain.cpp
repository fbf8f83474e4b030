// Slydra's benchmarks. docs/PERFORMANCE.md holds their figures against the
// targets; the ones named BM_Limit_* do the same work with plain memory and
// file operations.
//
//   slydra_bench [benchmark options]
#include <QGuiApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    // The painting code reads its colours from the application palette.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int nQtArgc = 1;
    QGuiApplication app(nQtArgc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
