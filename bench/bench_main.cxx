// One core application around the benchmarks: the engine runs without windows.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "platform/services.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    qv::installRealServices();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
