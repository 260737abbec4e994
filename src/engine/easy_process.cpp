#include "engine/easy_process.h"

#include "core/message.h"
#include "core/state.h"
#include "core/windows.h"
#include "engine/filename.h"
#include "engine/leftovers.h"
#include "platform/services.h"

namespace qv {

namespace {

QString PickedFile() {
    return windows().FileEntry(FileList::Easy, S.EasyFileIndex);
}

// The boxes give the new name; an empty extension box means a name without one (a trailing dot
// would be a different name here, not dropped by the file system).
QString NewName() {
    const QString name = windows().Text(WindowText::SingleProcessName);
    const QString ext = windows().Text(WindowText::SingleProcessExt);
    return ext.isEmpty() ? name : name + QLatin1Char('.') + ext;
}

bool IsCopyOrMove() {
    return S.ActionName == QLatin1String("Copy") || S.ActionName == QLatin1String("Move");
}

// Copy and Move never rename: the file goes under its own name, whatever the boxes hold.
QString TargetName() {
    return IsCopyOrMove() ? PickedFile() : NewName();
}

// The longest name, in bytes, that every folder the name goes to takes.
int NameLimit() {
    const bool work =
        S.ActionName == QLatin1String("Rename") || S.ActionName == QLatin1String("Rename And Copy");
    const bool dest = NeedsDestination(CurrentAction());
    int most = static_cast<int>(kNameMaxBytes);
    if (work)
        most = qMin(most, fileSystem().NameMax(S.WorkPath));
    if (dest)
        most = qMin(most, fileSystem().NameMax(S.DestPath));
    return most;
}

bool Conflict(void (*check)(), MessageId key) {
    check();
    if (!S.SingleConflictFound)
        return false;
    S.MessageKey = key;
    MessageShowWork();
    return true;
}

// Any entry takes the name: a dangling link, a pipe or a socket as much as a file or a folder.
bool Taken(const QString& path) {
    return fileSystem().Stat(path).exists();
}

// A failed step as the message tells it, like a failed batch action: the file, where it was to go,
// and the system's words without the paths the platform put before them.
QString FailedStep(const QString& file, const QString& target, const std::exception& e) {
    const QString text = QString::fromStdString(e.what());
    const qsizetype at = text.lastIndexOf(QStringLiteral(": "));
    QString detail = QStringLiteral("File : ") + file;
    if (!target.isEmpty())
        detail += QStringLiteral("\r\nTarget : ") + target;
    return detail + QStringLiteral("\r\nReason : ") + (at < 0 ? text : text.mid(at + 2));
}

}  // namespace

int AttributeForChoice(int choice) {
    switch (choice) {
        case 1:
            return AttrNormal;
        case 2:
            return AttrReadOnly;
        case 3:
            return AttrHidden;
        case 4:
            return AttrSystem;
        case 5:
            return AttrArchive;
        default:
            return -1;
    }
}

void SingleProcessCheckName() {
    const QString neu = TargetName();
    Windows& w = windows();
    const int count = w.FileCount(FileList::Easy);
    for (int i = 0; i < count; ++i) {
        if (i != S.EasyFileIndex && w.FileEntry(FileList::Easy, i) == neu)
            S.SingleConflictFound = true;
    }
    // A file the list does not show (hidden) holds its name all the same.
    const QString old = PickedFile();
    if (neu != old && Taken(S.WorkPath + neu))
        S.SingleConflictFound = true;
}

void SingleProcessCheckMove() {
    // Always the destination folder on the disk: the folder dialog's list may show another folder,
    // or nothing at all.
    if (Taken(S.DestPath + TargetName()))
        S.SingleConflictFound = true;
}

void SingleProcessStart() {
    const QString& action = S.ActionName;
    if (NeedsDestination(CurrentAction()) && S.WorkPath == S.DestPath) {
        S.MessageKey = MessageId::MessageSourceDestSame;
        MessageShowWork();
        return;
    }
    const QString old = PickedFile();
    const QString neu = TargetName();
    const bool named = action != QLatin1String("Delete") && action != QLatin1String("Set Attribute");
    if (old.isEmpty()) {
        S.MessageKey = MessageId::MessageSingleConflictName;
        MessageShowWork();
        return;
    }
    // Nothing may leave the folder by a rename, nor get a name the file system would change or cut.
    if (named) {
        const int limit = NameLimit();
        const NameFault fault = FileNameFault(neu, limit);
        if (fault != NameFault::None) {
            S.SingleNameLimit = limit;
            S.MessageKey = fault == NameFault::TooLong ? MessageId::MessageSingleNameLong
                                                       : MessageId::MessageSingleNameChars;
            MessageShowWork();
            return;
        }
    }
    S.SingleConflictFound = false;
    if (action == QLatin1String("Rename")) {
        if (Conflict(SingleProcessCheckName, MessageId::MessageSingleConflictName))
            return;
    } else if (action == QLatin1String("Rename And Copy")) {
        if (Conflict(SingleProcessCheckName, MessageId::MessageSingleConflictName) ||
            Conflict(SingleProcessCheckMove, MessageId::MessageSingleConflictRenMove))
            return;
    } else if (action == QLatin1String("Copy And Rename") || action == QLatin1String("Move And Rename")) {
        if (Conflict(SingleProcessCheckMove, MessageId::MessageSingleConflictRenMove))
            return;
    } else if (action == QLatin1String("Copy") || action == QLatin1String("Move")) {
        if (Conflict(SingleProcessCheckMove, MessageId::MessageSingleConflictMove))
            return;
    }

    RemoveAbandonedCopies(action, false, S.WorkPath, S.DestPath);
    const QString wo = S.WorkPath + old, wn = S.WorkPath + neu, dn = S.DestPath + neu;
    // The step under way, for the message should it fail.
    QString file = wo, target;
    try {
        FileSystem& fs = fileSystem();
        if (action == QLatin1String("Rename")) {
            target = wn;
            if (neu != old)  // onto its own name: nothing to do
                fs.Rename(wo, wn);
        } else if (action == QLatin1String("Rename And Copy")) {
            target = wn;
            if (neu != old)
                fs.Rename(wo, wn);
            file = wn;
            target = dn;
            try {
                fs.CopyFile(wn, dn);
            } catch (const PlatformError&) {
                // Half an action is worse than none: the file gets its name back.
                if (neu != old)
                    fs.Rename(wn, wo);
                throw;
            }
        } else if (action == QLatin1String("Copy And Rename") || action == QLatin1String("Copy")) {
            target = dn;
            fs.CopyFile(wo, dn);
        } else if (action == QLatin1String("Move And Rename") || action == QLatin1String("Move")) {
            target = dn;
            fs.MoveFile(wo, dn);
        } else if (action == QLatin1String("Delete")) {
            fs.DeleteFile(wo, true);
        } else if (action == QLatin1String("Set Attribute")) {
            const int value = AttributeForChoice(S.ActionAttribute);
            if (value < 0)
                return;
            fs.SetAttributes(wo, value);
        }
    } catch (const std::exception& e) {
        S.MessageKey = MessageId::MessageSingleActionError;
        S.MessageBugDetail = FailedStep(file, target, e);
        MessageShowWork();
        return;
    }

    S.EasyFileIndex = -1;
    Windows& w = windows();
    w.RefreshFileLists();
    w.SetText(WindowText::SingleProcessName, QString());
    w.SetText(WindowText::SingleProcessExt, QString());
}

}  // namespace qv
