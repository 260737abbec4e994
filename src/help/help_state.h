// The help program's run state: set during start-up, read by its window and its topic pages.
#pragma once

#include <QString>

namespace qv::help {

struct HelpState {
    QString HelpName = QStringLiteral("QuorvanHelp");
    QString HelpVersion = QStringLiteral("Version 1.1.2");
    QString HelpFolder;
    QString HelpFolderUpper;
    QString HelpExePath;
    QString HelpDefaultPath;
    QString ParentName = QStringLiteral("Quorvan");
    QString ParentExePath;
    bool ParentNotPresent = false;
    bool ParentNotFound = false;
    bool ParentFound = false;
    QString ProfileNickName;
    QString ProfileUserPic;
    QString ProfilePicCaption;
};

extern HelpState HS;

void ResetHelpState();

}  // namespace qv::help
