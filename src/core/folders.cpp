#include "core/folders.h"

#include "core/message.h"
#include "core/state.h"
#include "core/windows.h"
#include "platform/services.h"

namespace qv {

void GetWindowsDir() {
    // Paths of this platform are case-sensitive: the "upper" forms are the paths themselves.
    S.WinDir = WithTrailingSlash(systemServices().SystemFolder());
    S.WinDirLen = S.WinDir.size();
    S.WinDirUpper = S.WinDir;
    S.WinDirDrive = S.WinDirUpper.left(1);
}

void GetPathDrive(const QString& path, QString& drive, QString& letter) {
    drive = fileSystem().GetDriveName(path);
    letter = drive;
}

QString DriveTypeText(int type) {
    switch (type) {
        case DriveRemovable:
            return QStringLiteral("Removable");
        case DriveFixed:
            return QStringLiteral("Fixed");
        case DriveRemote:
            return QStringLiteral("Remote");
        case DriveCDRom:
            return QStringLiteral("CDRom");
        case DriveRAMDisk:
            return QStringLiteral("RAMDisk");
        default:
            return QStringLiteral("Unknown");
    }
}

QString GetDriveTypeName(const QString& path) {
    try {
        return DriveTypeText(fileSystem().DriveType(fileSystem().GetDriveName(path)));
    } catch (const PlatformError&) {
        S.MessageKey = MessageId::MessageNeedSriptRuntime;
        MessageShowSystem();
        systemServices().EndProgram(0);
    }
    return QStringLiteral("NotDetermined");
}

bool IsInSystemTree(const QString& folder) {
    if (S.WinDirLen == 0 || S.WinDirUpper.isEmpty())
        return false;
    return WithTrailingSlash(folder).startsWith(S.WinDirUpper);
}

void ReportSystemFolderRefused() {
    if (!S.SystemFolderRefused)
        return;
    S.SystemFolderRefused = false;
    S.MessageKey = MessageId::MessageBypassingSystemRigidity;
    MessageShowWork();
}

qint64 BytesToKB(qint64 bytes) {
    return bytes <= 0 ? 0 : (bytes + 512) / 1024;
}

qint64 GetFileSizeKB(const QString& path) {
    try {
        return BytesToKB(fileSystem().FileSize(path)) + 1;
    } catch (const PlatformError&) {
        return 0;
    }
}

qint64 ShowSelectedFilesSize() {
    S.SizeListLast = S.ComboFile1.size() - 1;
    qint64 total = 0;
    FileSystem& fs = fileSystem();
    for (S.SizeListIndex = 0; S.SizeListIndex <= S.SizeListLast; ++S.SizeListIndex) {
        S.SizeFilePath = S.WorkPath + S.ComboFile1.at(S.SizeListIndex);
        try {
            total += BytesToKB(fs.FileSize(S.SizeFilePath)) + 1;
        } catch (const PlatformError&) {
            // Gone since it was selected: it adds nothing.
        }
    }
    windows().SetText(WindowText::SpaceNeed, QStringLiteral("Selected Files : ") +
                                                 QString::number(S.SelectedCount) +
                                                 QStringLiteral("   Total Size : ") + QString::number(total) +
                                                 QStringLiteral(" KB"));
    return total;
}

QString SpaceCaption(const QString& driveName, qint64 freeKB) {
    return QStringLiteral("Drive ") + driveName + QStringLiteral(" : Space Available : ") +
           QString::number(freeKB) + QStringLiteral(" KB");
}

}  // namespace qv
