// A file system that hands every call to another one; the engine tests override the calls they
// bend or count.
#pragma once

#include <QMap>
#include <QString>

#include "platform/services.h"

namespace qv::test {

class ForwardingFiles : public FileSystem {
  public:
    explicit ForwardingFiles(FileSystem& real) : real_(real) {}

    bool FileExists(const QString& p) override { return real_.FileExists(p); }
    bool FolderExists(const QString& p) override { return real_.FolderExists(p); }
    qint64 FileSize(const QString& p) override { return real_.FileSize(p); }
    int GetAttributes(const QString& p) override { return real_.GetAttributes(p); }
    void SetAttributes(const QString& p, int a) override { real_.SetAttributes(p, a); }
    void CopyFile(const QString& f, const QString& t) override { real_.CopyFile(f, t); }
    void DeleteFile(const QString& p, bool force) override { real_.DeleteFile(p, force); }
    void Rename(const QString& f, const QString& t) override { real_.Rename(f, t); }
    void MoveFile(const QString& f, const QString& t) override { real_.MoveFile(f, t); }
    void MakeFolder(const QString& p) override { real_.MakeFolder(p); }
    void RemoveFolder(const QString& p) override { real_.RemoveFolder(p); }
    QStringList FileNames(const QString& f) override { return real_.FileNames(f); }
    QStringList FolderNames(const QString& f) override { return real_.FolderNames(f); }
    Entry Stat(const QString& p) override { return real_.Stat(p); }
    QStringList EntryNames(const QString& f) override { return real_.EntryNames(f); }
    int NameMax(const QString& f) override { return real_.NameMax(f); }
    RenameResult RenameNoReplace(const QString& f, const QString& t) override {
        return real_.RenameNoReplace(f, t);
    }
    QStringList Drives() override { return real_.Drives(); }
    QString GetDriveName(const QString& p) override { return real_.GetDriveName(p); }
    int DriveType(const QString& d) override { return real_.DriveType(d); }
    bool DriveIsReady(const QString& d) override { return real_.DriveIsReady(d); }
    qint64 AvailableSpace(const QString& d) override { return real_.AvailableSpace(d); }

  protected:
    FileSystem& real_;
};

// Counts the calls that change or ask about one name.
class CountingFiles : public ForwardingFiles {
  public:
    using ForwardingFiles::ForwardingFiles;
    QMap<QString, int> calls;

    bool FileExists(const QString& p) override { return ++calls["FileExists"], real_.FileExists(p); }
    bool FolderExists(const QString& p) override { return ++calls["FolderExists"], real_.FolderExists(p); }
    Entry Stat(const QString& p) override { return ++calls["Stat"], real_.Stat(p); }
    void Rename(const QString& f, const QString& t) override {
        ++calls["Rename"];
        real_.Rename(f, t);
    }
    RenameResult RenameNoReplace(const QString& f, const QString& t) override {
        ++calls["RenameNoReplace"];
        return real_.RenameNoReplace(f, t);
    }
};

// A folder that finds names in any case, as FAT and case-folding folders do, over a real one:
// lookups fold, and a rename onto a name held in another case is refused like any taken name.
class CaseBlindFiles : public ForwardingFiles {
  public:
    using ForwardingFiles::ForwardingFiles;

    QString Resolve(const QString& path) {
        if (real_.Stat(path).exists())
            return path;
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        const QString folder = path.left(slash + 1);
        const QString name = path.mid(slash + 1);
        for (const QString& n : real_.EntryNames(folder))
            if (n.compare(name, Qt::CaseInsensitive) == 0)
                return folder + n;
        return path;
    }
    bool FileExists(const QString& p) override { return real_.FileExists(Resolve(p)); }
    bool FolderExists(const QString& p) override { return real_.FolderExists(Resolve(p)); }
    Entry Stat(const QString& p) override { return real_.Stat(Resolve(p)); }
    void Rename(const QString& f, const QString& t) override {
        if (real_.Stat(Resolve(t)).exists())
            throw PlatformError(QStringLiteral("target exists"));
        real_.Rename(Resolve(f), t);
    }
    RenameResult RenameNoReplace(const QString& f, const QString& t) override {
        const QString from = Resolve(f);
        if (!real_.Stat(from).exists())
            return RenameResult::SourceMissing;
        if (real_.Stat(Resolve(t)).exists())
            return RenameResult::TargetTaken;
        real_.Rename(from, t);
        return RenameResult::Done;
    }
    void MoveFile(const QString& f, const QString& t) override {
        if (real_.Stat(Resolve(t)).exists())
            throw PlatformError(QStringLiteral("target exists"));
        real_.MoveFile(Resolve(f), t);
    }
};

}  // namespace qv::test
