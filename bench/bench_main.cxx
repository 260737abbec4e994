// One core application around the benchmarks: the engine runs without windows.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <string_view>

#include "platform/services.h"

// A benchmark program may run one job in a child process of its own (see bench_actions).
__attribute__((weak)) int RunWholeProcess(const char* folder);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    qv::installRealServices();
    if (argc == 3 && RunWholeProcess && std::string_view(argv[1]) == "--whole-process") {
        return RunWholeProcess(argv[2]);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
