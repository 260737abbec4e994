// The main window loaded offscreen on a real folder of 100,000 empty files: opening the folder (the
// folder list and both file lists filled) and the file list alone, medians of five, each beside a
// bare readdir and a plain read (readdir, names, sort) in the same round; a user's shift-click over every
// file and a program's selecting them one by one; selecting every file by the automatic rule "All", Preview
// with a rename criterion, and Finalize beside the engine's own rename of the same files; and a full
// button refresh with 10 and 100,000 selected.
#include <dirent.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_bars.h"
#include "core/panel_calls.h"
#include "core/state.h"
#include "engine/actions.h"
#include "engine/selection.h"
#include "forms/forms.h"
#include "mainwindow/frm_but.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_move.h"
#include "mainwindow/program_windows.h"
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

// A bare read: the names as bytes, unsorted.
size_t BareRead(const QString& folder) {
    std::vector<std::string> names;
    DIR* d = ::opendir(QFile::encodeName(folder).constData());
    while (const dirent* e = d ? ::readdir(d) : nullptr)
        if (e->d_name[0] != '.')
            names.emplace_back(e->d_name);
    if (d)
        ::closedir(d);
    return names.size();
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

class ListForm : public qv::Form {
  public:
    ListForm() : qv::Form(QStringLiteral("frmBenchList")) {}
    qv::FileListBox* files = nullptr;

  protected:
    void Design() override {
        Move(0, 0, 300, 400);
        files = Add<qv::FileListBox>(QStringLiteral("File1"));
        files->Move(0, 0, 280, 380);
    }
};

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
    std::vector<double> plains, bares, opens, lists;
    for (int round = 0; round < 5; ++round) {
        m.Dir1->SetPath(small);
        if (round % 2 == 0) {
            plains.push_back(Ms([&] { PlainRead(big); }));
            bares.push_back(Ms([&] { BareRead(big); }));
        }
        opens.push_back(Ms([&] { m.Dir1->SetPath(big); }));
        if (round % 2 == 1) {
            plains.push_back(Ms([&] { PlainRead(big); }));
            bares.push_back(Ms([&] { BareRead(big); }));
        }
    }
    std::printf("files %d, lists %d and %d\n", files, m.File1->ListCount(), m.File2->ListCount());
    // The file list alone, on a form of its own: no window's handlers around it.
    ListForm alone;
    alone.Load();
    alone.Show();
    std::vector<double> listPlains;
    double userSelect = 0, codeSelect = 0;
    for (int round = 0; round < 5; ++round) {
        alone.files->SetPath(small);
        if (round % 2 == 0)
            listPlains.push_back(Ms([&] { PlainRead(big); }));
        lists.push_back(Ms([&] { alone.files->SetPath(big); }));
        if (round % 2 == 1)
            listPlains.push_back(Ms([&] { PlainRead(big); }));
    }
    alone.files->SetMultiSelect(2);
    userSelect = Ms([&] {
        alone.files->UserClicks(0);
        alone.files->UserClicks(alone.files->ListCount() - 1, false, true);
        QCoreApplication::processEvents();
    });
    alone.files->Refresh();
    codeSelect = Ms([&] {
        for (int i = 0; i < alone.files->ListCount(); ++i) alone.files->SetSelected(i, true);
        QCoreApplication::processEvents();
    });
    const int listed = alone.files->ListCount(), selectedAlone = alone.files->SelCount();
    alone.Unload();
    const double plain = Median(plains);
    const double bare = Median(bares);
    const double open = Median(opens);
    const double listPlain = Median(listPlains);
    const double list = Median(lists);
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

    std::printf("file list alone: %d listed, %d selected\n", listed, selectedAlone);
    PrintBar("folder change, main window", open, "bare readdir", bare, 3);
    PrintBar("folder change, main window", open, "plain read: readdir, sort", plain, 3);
    PrintBar("folder change, file list alone", list, "plain read: readdir, sort", listPlain, 3);
    PrintLimit("shift-click over every file", userSelect, 300);
    PrintLimit("every file selected from code", codeSelect, 300);
    PrintLimit("select all (All, max)", select, 300);
    PrintLimit("preview (insert)", preview, 300);
    PrintBar("finalize", finalize, "the engine's own rename", engine, 1.2);
    std::printf("SetButtons %.3f ms with %d selected, %.3f ms with 10\n", buttonsBig, files, buttonsSmall);
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
