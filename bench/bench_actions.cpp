// Rename and undo through the engine (journal, order, checks) on real folders of 10,000 and 100,000
// empty files, beside the floor: a plain loop that enters the folder and renames the same files by
// their bare names, in the same run; the same for 3,000 rings of three names; Preview of 100,000
// rows; and the whole process (start, list, preview, rename, exit) beside a plain program that does
// the same.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench_bars.h"
#include "core/state.h"
#include "engine/actions.h"
#include "engine/conflicts.h"
#include "engine/names.h"
#include "engine/selection.h"
#include "platform/services.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

QString FileName(int i) {
    return QStringLiteral("file%1").arg(i);
}

// Empty files "file0" onwards in w; a benchmark that cannot have them all is skipped.
bool MakeFiles(benchmark::State& state, const QString& w, int files) {
    for (int i = 0; i < files; ++i) {
        const int fd =
            ::open(QFile::encodeName(w + FileName(i)).constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        if (fd < 0) {
            state.SkipWithError("cannot make the files");
            return false;
        }
        ::close(fd);
    }
    return true;
}

// The table of a listed folder, every "fileN" to "renamedN", checked as Preview checks it.
void PreviewListedFolder(const QString& w) {
    using qv::S;
    qv::ResetState();
    S.WorkPath = w;
    S.ActionIndex = 0;
    S.ActionName = QStringLiteral("Rename");
    // In the order the file list shows them, as a selection made there takes them.
    QStringList listed = qv::fileSystem().EntryNames(w);
    listed.sort();
    int row = 0;
    for (const QString& f : listed) {
        if (f.startsWith(QLatin1String("file"))) {
            qv::SelectionTableAppend(f, row);
            S.ComboName[row] = QStringLiteral("renamed") + f.mid(4);
            ++row;
        }
    }
    S.SelectedCount = row;
    S.HasSelection = row > 0 ? 1 : 0;
    S.ConflictCheckDue = true;
    qv::FindConflictStart();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Finalize and Undo through the engine beside the floor, the same renames (`from` -> `to`, then
// back from the last) by bare names in `folder`, each going first in turn so that neither always
// meets the warmer caches; `prepare` makes the preview before each round. Medians, in ms.
struct Timings {
    double rename = 0, undo = 0, floor = 0, floorBack = 0;
};
template <class Prepare>
Timings EngineBesideTheFloor(benchmark::State& state, const QByteArray& folder,
                             const std::vector<QByteArray>& from, const std::vector<QByteArray>& to,
                             Prepare prepare) {
    std::vector<double> engine, undo, plain, plainBack;
    int round = 0;
    for (auto _ : state) {
        prepare();
        if (!qv::S.ReadyToFinalize) {
            state.SkipWithError("the preview is not ready");
            return {};
        }
        auto runEngine = [&] {
            const auto t0 = Clock::now();
            qv::ActionAStartDo();
            const auto t1 = Clock::now();
            qv::ActionAStartUndo();
            const auto t2 = Clock::now();
            engine.push_back(Ms(t1 - t0));
            undo.push_back(Ms(t2 - t1));
        };
        auto runPlain = [&] {
            char back[4096];
            if (!::getcwd(back, sizeof back))
                back[0] = 0;
            const auto t0 = Clock::now();
            if (::chdir(folder.constData()) != 0)
                return;
            for (size_t i = 0; i < from.size(); ++i) std::rename(from[i].constData(), to[i].constData());
            const auto t1 = Clock::now();
            // Back from the last, as the undo walks its journal.
            for (size_t i = from.size(); i-- > 0;) std::rename(to[i].constData(), from[i].constData());
            const auto t2 = Clock::now();
            if (back[0])
                (void)::chdir(back);
            plain.push_back(Ms(t1 - t0));
            plainBack.push_back(Ms(t2 - t1));
        };
        if (round++ % 2 == 0) {
            runEngine();
            runPlain();
        } else {
            runPlain();
            runEngine();
        }
    }
    return {Median(engine), Median(undo), Median(plain), Median(plainBack)};
}

void RenameAndUndo(benchmark::State& state) {
    const int files = static_cast<int>(state.range(0));
    QTemporaryDir work;
    const QString w = qv::WithTrailingSlash(work.path());
    if (!MakeFiles(state, w, files))
        return;
    // The plain loop renames the same files in the same order as the engine: the order alone moves
    // the file system's time by a tenth or more.
    PreviewListedFolder(w);
    std::vector<QByteArray> from, to;
    for (const QString& f : qv::S.ComboFile1) {
        from.push_back(QFile::encodeName(f));
        to.push_back(QFile::encodeName(QStringLiteral("renamed") + f.mid(4)));
    }
    const QByteArray folder = QFile::encodeName(w);
    const Timings t = EngineBesideTheFloor(state, folder, from, to, [&] { PreviewListedFolder(w); });
    const double e = t.rename, u = t.undo, p = t.floor, pb = t.floorBack;
    state.counters["rename_ratio"] = e / p;
    state.counters["undo_ratio"] = u / pb;
    const QByteArray rename = QStringLiteral("rename %1 files").arg(files).toUtf8(),
                     back = QStringLiteral("undo %1 files").arg(files).toUtf8();
    PrintBar(rename.constData(), e, "floor: bare-name rename loop", p, 1.2);
    PrintBar(back.constData(), u, "floor: the same loop back", pb, 1.2);
}

void SetCriteria() {
    using qv::S;
    S.CaseOn = 1;
    S.CaseScope = QStringLiteral("FirstLetterOfWords");
    S.CaseTo = QStringLiteral("Upper Case");
    S.PriorityCount = 1;
    S.PrioritySlot1 = QStringLiteral("Insert");
    S.InsertType = QStringLiteral("InsertAfterNumChars");
    S.InsertOn = 1;
    S.InsertAfterN = 0;
    S.InsertText = QStringLiteral("x_");
    S.AutoOn = 1;
    S.RenAutoKind = QStringLiteral("Number");
    S.RenAutoPlace = QStringLiteral("AutoAfterNumChars");
    S.RenAutoAfterNumChars = 2;
    S.RenAutoStartNumber = 2;
    S.RenAutoZeroFill = 0;
}

// Preview of a real folder: the table, the new names and the checks of Rename.
void Preview(benchmark::State& state) {
    const int files = static_cast<int>(state.range(0));
    QTemporaryDir work;
    const QString w = qv::WithTrailingSlash(work.path());
    if (!MakeFiles(state, w, files))
        return;
    std::vector<double> times;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        qv::ResetState();
        qv::S.WorkPath = w;
        qv::S.ActionName = QStringLiteral("Rename");
        SetCriteria();
        const QStringList listed = qv::fileSystem().EntryNames(w);
        for (int i = 0; i < listed.size(); ++i) qv::SelectionTableAppend(listed.at(i), i);
        qv::S.SelectedCount = static_cast<int>(listed.size());
        qv::S.HasSelection = 1;
        qv::FinalizeNewNames();
        qv::S.ConflictCheckDue = true;
        qv::FindConflictStart();
        times.push_back(Ms(Clock::now() - t0));
        if (!qv::S.ReadyToFinalize) {
            state.SkipWithError("the preview is not ready");
            return;
        }
    }
    const QByteArray figure = QStringLiteral("preview %1 rows").arg(files).toUtf8();
    PrintLimit(figure.constData(), Median(times), 300);
    state.counters["preview_ms"] = Median(times);
}

// The whole process, started and ended, beside a plain program that renames the same files.
void WholeProcess(benchmark::State& state) {
    const int files = static_cast<int>(state.range(0));
    std::vector<double> engine, plain;
    for (auto _ : state) {
        for (int which = 0; which < 2; ++which) {
            QTemporaryDir work;
            if (!MakeFiles(state, qv::WithTrailingSlash(work.path()), files))
                return;
            QElapsedTimer t;
            t.start();
            const int code = which == 0 ? QProcess::execute(QCoreApplication::applicationFilePath(),
                                                            {QStringLiteral("--whole-process"), work.path()})
                                        : QProcess::execute(QStringLiteral(PLAIN_RENAME_LOOP), {work.path()});
            const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
            if (code != 0 || qv::fileSystem().FileExists(qv::WithTrailingSlash(work.path()) + FileName(0))) {
                state.SkipWithError("a run did not rename every file");
                return;
            }
            (which == 0 ? engine : plain).push_back(ms);
        }
    }
    const double e = Median(engine), p = Median(plain);
    state.counters["whole_ratio"] = e / p;
    const QByteArray figure = QStringLiteral("whole process, %1 files").arg(files).toUtf8();
    PrintBar(figure.constData(), e, "floor: plain program, bare names", p, 1.2);
}

// Rings of three names ("fileN" -> "fileN+1" -> "fileN+2" -> "fileN"), renamed and undone through
// the engine, beside the floor: a plain loop in the folder doing the same four renames a ring takes
// (one file aside, two moves, the file back) by bare names over the same files in the same run.
void RingsAndUndo(benchmark::State& state) {
    const int rings = static_cast<int>(state.range(0));
    const int files = 3 * rings;
    QTemporaryDir work;
    const QString w = qv::WithTrailingSlash(work.path());
    if (!MakeFiles(state, w, files))
        return;
    auto preview = [&] {
        using qv::S;
        qv::ResetState();
        S.WorkPath = w;
        S.ActionIndex = 0;
        S.ActionName = QStringLiteral("Rename");
        for (int i = 0; i < files; ++i) {
            qv::SelectionTableAppend(FileName(i), i);
            S.ComboName[i] = FileName(i % 3 == 2 ? i - 2 : i + 1);
            S.ComboDot[i].clear();
            S.ComboExt[i].clear();
        }
        S.SelectedCount = files;
        S.HasSelection = 1;
        S.ConflictCheckDue = true;
        qv::FindConflictStart();
    };
    std::vector<QByteArray> from, to;
    for (int r = 0; r < rings; ++r) {
        const QByteArray x = QFile::encodeName(FileName(3 * r)), y = QFile::encodeName(FileName(3 * r + 1)),
                         z = QFile::encodeName(FileName(3 * r + 2)),
                         t = QFile::encodeName(QStringLiteral(".aside%1").arg(r));
        for (const auto& [a, b] : {std::pair{x, t}, {z, x}, {y, z}, {t, y}}) {
            from.push_back(a);
            to.push_back(b);
        }
    }
    const QByteArray folder = QFile::encodeName(w);
    const Timings t = EngineBesideTheFloor(state, folder, from, to, preview);
    const double e = t.rename, u = t.undo, p = t.floor, pb = t.floorBack;
    state.counters["ring_rename_ratio"] = e / p;
    state.counters["ring_undo_ratio"] = u / pb;
    const QByteArray figure = QStringLiteral("Rename, %1 three-name rings").arg(rings).toUtf8();
    const QByteArray back = QStringLiteral("Undo, %1 three-name rings").arg(rings).toUtf8();
    PrintBar(figure.constData(), e, "floor: plain loop, same renames", p, 2.0);
    PrintBar(back.constData(), u, "floor: plain loop back", pb, 2.0);
}

}  // namespace

// The engine side of WholeProcess: list, preview, rename, exit; no window.
int RunWholeProcess(const char* folder) {
    PreviewListedFolder(qv::WithTrailingSlash(QFile::decodeName(folder)));
    if (!qv::S.ReadyToFinalize) {
        return 1;
    }
    qv::ActionAStartDo();
    return qv::S.ComboUndoOldName.isEmpty() ? 1 : 0;
}

BENCHMARK(RenameAndUndo)->Arg(10000)->Arg(100000)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(RingsAndUndo)->Arg(3000)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(Preview)->Arg(100000)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(WholeProcess)->Arg(10000)->Arg(100000)->Iterations(3)->Unit(benchmark::kMillisecond);
