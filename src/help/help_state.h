// The help program's run state: set during start-up, read by its window and its topic pages.
#pragma once

#include <QString>

#include "core/keys.h"
#include "help/topic_engine.h"
#include "platform/version.h"

namespace qv::help {

// The help's own message keys: its start-up refusals and what it says about the main program.
#define QV_HELP_MESSAGE_KEYS(X) \
    X(MessageSmallScreen)       \
    X(MessageProgInSystem)      \
    X(MessageMyPathLost)        \
    X(MessageNeedSriptRuntime)  \
    X(MessageParentNotPresent)  \
    X(MessageParentNotFound)    \
    X(MessageRunParentError)

enum class HelpMessageId { QV_HELP_MESSAGE_KEYS(QV_KEY_NAME) };

}  // namespace qv::help

template <>
struct qv::KeyTexts<qv::help::HelpMessageId> {
    static constexpr std::array texts{QV_HELP_MESSAGE_KEYS(QV_KEY_TEXT)};
};

namespace qv::help {

struct HelpState {
    QString HelpName = QStringLiteral("QuorvanHelp");
    QString HelpVersion = QStringLiteral("Version " QUORVAN_VERSION);
    QString HelpFolder;       // the help's own program folder, trailing "/"
    QString HelpFolderUpper;  // paths here are case-sensitive: the same as HelpFolder
    QString HelpExePath;
    QString HelpDefaultPath;  // parent folder & "Help/quorvanhelp"; "" until the parent is found
    QString ParentName = QStringLiteral("Quorvan");
    QString ParentExePath;
    bool ParentNotPresent = false;
    bool ParentNotFound = false;
    bool ParentFound = false;
    QString ProfileNickName;
    QString ProfileUserPic;
    QString ProfilePicCaption;
    QString WinDir;  // the protected system folder, trailing "/"; "" protects nothing
    QString WinDirUpper;
    int WinDirLen = 0;
};

// The help's own message request: information only, so no reply is ever read.
struct HelpMessage {
    Key<HelpMessageId> MessageKey;
    QString MessageHead;
    QString MessageText;
    QString MessageButtons;
    QString MessageInput;
    QString MessageReply;
};

extern HelpState HS;
extern HelpMessage HM;
extern TopicState TS;

// Everything back to the start values of a fresh run.
void ResetHelpState();

}  // namespace qv::help
