// Renaming 10,000 real files through the engine (with its journal) and undoing it, beside a plain
// loop of rename calls over the same files.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>

#include "core/state.h"
#include "engine/actions.h"
#include "engine/selection.h"
#include "platform/services.h"

namespace {

constexpr int kFiles = 10000;

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

void RenameAndUndo(benchmark::State& state) {
    QTemporaryDir work;
    const QString w = qv::WithTrailingSlash(work.path());
    for (int i = 0; i < kFiles; ++i) {
        QFile f(w + QStringLiteral("file%1.dat").arg(i));
        if (!f.open(QIODevice::WriteOnly)) {
            state.SkipWithError("cannot make the files");
            return;
        }
    }
    QList<QByteArray> from, to;
    for (int i = 0; i < kFiles; ++i) {
        from << QFile::encodeName(w + QStringLiteral("file%1.dat").arg(i));
        to << QFile::encodeName(w + QStringLiteral("renamed%1.dat").arg(i));
    }
    double engine = 0, undo = 0, plain = 0;
    for (auto _ : state) {
        qv::ResetState();
        qv::S.WorkPath = w;
        qv::S.ActionName = QStringLiteral("Rename");
        for (int i = 0; i < kFiles; ++i) {
            qv::SelectionTableAppend(QStringLiteral("file%1.dat").arg(i), i);
            qv::S.ComboName[i] = QStringLiteral("renamed%1").arg(i);
        }
        qv::S.SelectedCount = kFiles;
        qv::ActionRebuildNameList();

        auto t0 = Clock::now();
        qv::ActionAStartDo();
        auto t1 = Clock::now();
        qv::ActionAStartUndo();
        auto t2 = Clock::now();
        for (int i = 0; i < kFiles; ++i) {
            std::rename(from[i].constData(), to[i].constData());
        }
        auto t3 = Clock::now();
        for (int i = 0; i < kFiles; ++i) {
            std::rename(to[i].constData(), from[i].constData());
        }
        engine += Ms(t1 - t0);
        undo += Ms(t2 - t1);
        plain += Ms(t3 - t2);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["engine_ms"] = engine / n;
    state.counters["undo_ms"] = undo / n;
    state.counters["plain_ms"] = plain / n;
    state.counters["ratio"] = engine / plain;
    std::printf("rename %d files: engine %.1f ms, undo %.1f ms, plain loop %.1f ms, ratio %.2f\n", kFiles,
                engine / n, undo / n, plain / n, engine / plain);
}

}  // namespace

BENCHMARK(RenameAndUndo)->Iterations(3)->Unit(benchmark::kMillisecond);
