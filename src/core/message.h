// The message box protocol: a caller sets MessageKey (and MessageReadyText for the ready builder),
// calls a builder, and reads the reply word from MessageReply when the builder returns.
#pragma once

#include <QString>

namespace qv {

void MessageShowSystem();
void MessageShowBug();
// The error report of a procedure that trapped an unexpected error: "Bug-Quorvan-" and its name.
void ReportBug(const char* procedure);
void MessageShowReady();
void MessageShowWork();

// Shows frmMessage modally with these head, text, button and input modes.
void MessageShow(QString& head, QString& text, QString& buttons, QString& input);

// The per-key work of OK/Yes and Cancel/No; both unload frmMessage.
void MessageReplyOK();
void MessageReplyCancel();

// The product's web address and the maker's bug-report e-mail address.
QString ProductWebAddress();
QString BugReportEmail();

}  // namespace qv
