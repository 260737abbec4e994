// New names and the rename conflict checks over 1,000 to 100,000 selected files.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "core/state.h"
#include "engine/conflicts.h"
#include "engine/names.h"
#include "engine/selection.h"
#include "platform/services.h"

namespace {

void SetCriteria() {
    using qv::S;
    S.CaseOn = 1;
    S.CaseScope = QStringLiteral("FirstLetterOfWords");
    S.CaseTo = QStringLiteral("Upper Case");
    S.SpaceOn = 1;
    S.SpaceWith = QStringLiteral("_");
    S.PriorityCount = 1;
    S.PrioritySlot1 = QStringLiteral("Insert");
    S.InsertType = QStringLiteral("InsertAfterAString");
    S.InsertAfterString = QStringLiteral("_");
    S.InsertText = QStringLiteral("2024-");
    S.AutoOn = 1;
    S.RenAutoKind = QStringLiteral("Number");
    S.RenAutoPlace = QStringLiteral("AutoBeforeNumChars");
    S.RenAutoBeforeNumChars = 0;
    S.RenAutoStartNumber = 1;
    S.RenAutoZeroFill = 3;
}

void NamesAndChecks(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    QTemporaryDir work;
    for (auto _ : state) {
        state.PauseTiming();
        qv::ResetState();
        qv::S.WorkPath = qv::WithTrailingSlash(work.path());
        qv::S.ActionName = QStringLiteral("Rename");
        SetCriteria();
        for (int i = 0; i < rows; ++i) {
            // Every hundredth name has no place for the insert: some rows are marked.
            const QString file = i % 100 == 7 ? QStringLiteral("scan%1.pdf").arg(i)
                                              : QStringLiteral("holiday photo %1 final.jpg").arg(i);
            qv::SelectionTableAppend(file, i);
        }
        qv::S.SelectedCount = rows;
        state.ResumeTiming();

        qv::FinalizeNewNames();
        qv::FindConflictNameZeroLength();
        qv::FindConflictWithExistName();
        qv::FindConflictWithNewName();
        benchmark::DoNotOptimize(qv::S.ConflictTotal);
    }
    state.counters["rows"] = rows;
    state.counters["marked"] = qv::S.ConflictTotal;
}

}  // namespace

BENCHMARK(NamesAndChecks)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
