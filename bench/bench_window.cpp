// The main window loaded offscreen on a real folder of 100,000 empty files: opening the folder (the
// folder list and both file lists filled; median of five, each beside a plain read in the same
// round), selecting every file by the automatic rule "All", Preview with a rename criterion, and
// Finalize, each beside a plain directory read in the same run; Finalize also beside the engine's own
// rename of the same files; and a full button refresh with 10 and 100,000 selected.
#include <dirent.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "core/panel_calls.h"
#include "core/state.h"
#include "engine/actions.h"
#include "engine/selection.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_move.h"
#include "mainwindow/program_windows.h"
#include "mainwindow/frm_but.h"
#include "platform/services.h"

namespace {

using Clock = std::chrono::steady_clock;

template <class F>
double Ms(F f) {
    const auto t0 = Clock::now();
    f();
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

QStringList PlainRead(const QString& folder) {
    QStringList names;
    DIR* d = ::opendir(QFile::encodeName(folder).constData());
    while (const dirent* e = d ? ::readdir(d) : nullptr)
        if (e->d_name[0] != '.')
            names << QFile::decodeName(e->d_name);
    if (d)
        ::closedir(d);
    names.sort();
    return names;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void MakeFiles(const QString& folder, int n, const char* stem) {
    QDir().mkpath(folder);
    for (int i = 0; i < n; ++i) {
        QFile f(folder +
                QStringLiteral("/%1%2.dat").arg(QLatin1String(stem)).arg(i, 6, 10, QLatin1Char('0')));
        (void)f.open(QIODevice::WriteOnly);
    }
}

void SelectAll(int max) {
    qv::S.EditSelKind = 1;
    qv::S.EditSelNumKind = 0;
    qv::S.SelMaxFilesPending = max;
    qv::S.SelSkipPending = 0;
    qv::S.PanelKey = QStringLiteral("Selection");
    qv::SetValueByKey();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qv::installRealServices();
    const int files = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;

    QTemporaryDir temp;
    const QString big = temp.path() + QStringLiteral("/big"), small = temp.path() + QStringLiteral("/small");
    MakeFiles(big, files, "IMG_");
    MakeFiles(small, 10, "IMG_");

    qv::ResetState();
    qv::S.StartFolder = qv::WithTrailingSlash(temp.path());
    qv::S.ProgName = QStringLiteral("Quorvan");
    qv::InstallProgramWindows();
    qv::frmBut().Load();
    qv::frmMove().Load();
    qv::frmMain().Load();
    qv::SetButPictures();
    qv::FrmMain& m = qv::frmMain();

    // The folder change beside a plain read, five times each, each going first in turn; medians.
    std::vector<double> plains, opens;
    for (int round = 0; round < 5; ++round) {
        m.Dir1->SetPath(small);
        if (round % 2 == 0)
            plains.push_back(Ms([&] { PlainRead(big); }));
        opens.push_back(Ms([&] { m.Dir1->SetPath(big); }));
        if (round % 2 == 1)
            plains.push_back(Ms([&] { PlainRead(big); }));
    }
    const double plain = Median(plains);
    const double open = Median(opens);
    std::printf("files %d, lists %d and %d\n", files, m.File1->ListCount(), m.File2->ListCount());
    const double select = Ms([&] { SelectAll(files); });
    std::printf("selected %d\n", qv::S.SelectedCount);

    qv::S.InsertType = QStringLiteral("InsertAfterNumChars");
    qv::S.InsertText = QStringLiteral("2024_");
    qv::S.InsertOn = 1;
    qv::S.PriorityCount = 1;
    qv::S.CriteriaCount = 1;
    qv::SetValueActionFlags();
    const double preview = Ms([&] { m.CommandPreview_Click(); });
    std::printf("listed %d, ready %d\n", m.List1->ListCount(), int(qv::S.ReadyToFinalize));
    const double buttonsBig = Ms([&] {
                                  for (int i = 0; i < 100; ++i) {
                                      qv::S.SetButKey = QStringLiteral("setButGlobal");
                                      qv::SetButtons();
                                  }
                              }) /
                              100;
    qv::S.SkipUndoWarning = true;
    const double finalize = Ms([&] { m.CommandJob_Click(); });

    // The engine's own rename of the same files, back from their new names.
    qv::ResetState();
    qv::S.WorkPath = qv::WithTrailingSlash(big);
    qv::S.ActionName = QStringLiteral("Rename");
    const QStringList now = PlainRead(big);
    for (int i = 0; i < now.size(); ++i) {
        qv::SelectionTableAppend(now[i], i);
        qv::S.ComboName[i] = now[i].mid(5).chopped(4);
    }
    qv::S.SelectedCount = now.size();
    qv::ActionRebuildNameList();
    const double engine = Ms([&] { qv::ActionAStartDo(); });

    m.Dir1->SetPath(small);
    SelectAll(10);
    const double buttonsSmall = Ms([&] {
                                    for (int i = 0; i < 100; ++i) {
                                        qv::S.SetButKey = QStringLiteral("setButGlobal");
                                        qv::SetButtons();
                                    }
                                }) /
                                100;

    std::printf("plain directory read   %8.1f ms (median of 5)\n", plain);
    std::printf("open folder            %8.1f ms  %5.2f x plain read (goal 5)\n", open, open / plain);
    std::printf("select all (All, max)  %8.1f ms  %5.2f x plain read (goal < 300 ms)\n", select,
                select / plain);
    std::printf("preview (insert)       %8.1f ms  %5.2f x plain read (goal < 300 ms)\n", preview,
                preview / plain);
    std::printf("finalize               %8.1f ms  %5.2f x engine rename %.1f ms (goal 1.2)\n", finalize,
                finalize / engine, engine);
    std::printf("SetButtons             %8.3f ms with %d selected, %.3f ms with 10\n", buttonsBig, files,
                buttonsSmall);
    std::fflush(stdout);
    // The forms go before the application does.
    qv::S.SettingsPath.clear();
    try {
        qv::frmMain().Unload();
    } catch (const qv::ProgramEnded&) {
    }
    qv::frmMove().Unload();
    qv::frmBut().Unload();
    return 0;
}
