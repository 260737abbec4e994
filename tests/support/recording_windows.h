// Windows for the logic's tests: file lists held in memory, every message box answered at once and
// noted, and what the logic wrote kept for the test to read.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

#include "core/state.h"
#include "core/windows.h"

namespace qv::test {

class RecordingWindows : public Windows {
  public:
    struct ListState {
        QStringList entries;
        QVector<bool> selected;
    };

    QMap<FileList, ListState> lists;
    QMap<FolderList, QString> folders;
    QMap<WindowText, QString> texts;
    QStringList shown;  // message keys, in the order the boxes came up
    QList<MessageBoxRequest> boxes;
    bool answerCancel = false;
    QString answerInput;
    int previewShows = 0;
    int refreshes = 0;
    QStringList calls;  // panel controller entries, with the key they were handed

    // The list shows these entries, the named ones selected.
    void ShowList(FileList which, const QStringList& entries, const QStringList& selected = {}) {
        ListState& l = lists[which];
        l.entries = entries;
        l.selected = QVector<bool>(entries.size(), false);
        for (int i = 0; i < entries.size(); ++i) l.selected[i] = selected.contains(entries.at(i));
    }

    int FileCount(FileList which) override { return static_cast<int>(lists.value(which).entries.size()); }
    QString FileEntry(FileList which, int i) override { return lists.value(which).entries.value(i); }
    bool FileSelected(FileList which, int i) override { return lists.value(which).selected.value(i); }
    void SetFileSelected(FileList which, int i, bool on) override {
        ListState& l = lists[which];
        if (i >= 0 && i < l.selected.size())
            l.selected[i] = on;
    }
    void RefreshFileLists() override {
        ++refreshes;
        for (ListState& l : lists) l.selected.fill(false);
    }
    void ShowPreviewNames() override { ++previewShows; }
    QString FolderPath(FolderList which) override { return folders.value(which); }
    void SetFolderPath(FolderList which, const QString& path) override {
        if (!path.isEmpty())
            folders[which] = path;
    }
    void SetText(WindowText which, const QString& text) override { texts[which] = text; }
    QString Text(WindowText which) override { return texts.value(which); }
    MessageAnswer ShowMessage(const MessageBoxRequest& r) override {
        shown << S.MessageKey.text();
        boxes << r;
        MessageAnswer a;
        a.ok = !(answerCancel && r.cancelEnabled);
        a.input = answerInput;
        a.checked = r.checked;
        return a;
    }
    void SetButtons() override { calls << QStringLiteral("SetButtons ") + S.SetButKey.text(); }
    void SetNullByTag() override { calls << QStringLiteral("SetNullByTag ") + S.SetNullKey.text(); }
    void SetValueByKey() override { calls << QStringLiteral("SetValueByKey ") + S.PanelKey.text(); }
};

// Installs the windows for the lifetime of this object.
class ScopedWindows {
  public:
    explicit ScopedWindows(Windows& w) : previous_(InstallWindows(&w)) {}
    ~ScopedWindows() { InstallWindows(previous_); }
    ScopedWindows(const ScopedWindows&) = delete;
    ScopedWindows& operator=(const ScopedWindows&) = delete;

  private:
    Windows* previous_;
};

}  // namespace qv::test
