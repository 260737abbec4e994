// The message box protocol: a caller sets MessageKey (and MessageReadyText for the ready builder),
// calls a builder, and reads the reply word from MessageReply when the builder returns.
#pragma once

#include <QString>
#include <exception>
#include <functional>
#include <initializer_list>
#include <stdexcept>

#include "core/keys.h"
#include "core/windows.h"
#include "platform/services.h"

namespace qv {

void MessageShowSystem();
void MessageShowBug();
// The error report of a procedure that trapped an unexpected error: "Bug-Quorvan-" and its name,
// and under it what failed and why, when that is known. A failure the user's files or drives caused
// (`systemError` as PlatformError has it, not 0) is no fault of the program: the user is told in
// plain words what could not be done and what to do about it, and asked for no bug report.
void ReportBug(const char* procedure, const QString& detail = {}, int systemError = 0);
// Tells the user what the settings store had to do on its own (a damaged file set aside), if anything.
void ReportStoreNotice(const char* procedure);
void MessageShowReady();
void MessageShowWork();

// Shows the message box (through the installed windows) with these head, text, button and input
// modes, then runs the key's work for the answer and clears the request.
void MessageShow(QString& head, QString& text, QString& buttons, QString& input);

// What OK/Yes or Cancel/No does for a key, beyond the reply word the caller reads. Each subsystem
// registers the keys whose answers it acts on, in its own files.
using MessageWork = std::function<void(const MessageAnswer&)>;
struct MessageKeyWork {
    KeyName<MessageId> key;
    MessageWork ok;
    MessageWork cancel;
};
void RegisterMessageWork(std::initializer_list<MessageKeyWork> rows);

// An error whose report can say more than the tag: which file, its target and the system's reason.
class ExplainedError : public std::runtime_error {
  public:
    explicit ExplainedError(const QString& detail, int systemError = 0)
        : std::runtime_error(detail.toStdString()), systemError_(systemError) {}
    QString detail() const { return QString::fromStdString(what()); }
    int systemError() const { return systemError_; }  // as PlatformError's

  private:
    int systemError_;
};

// Runs a procedure that traps unexpected errors: one that escapes is reported as "Bug-Quorvan-" and
// the procedure's name, and the procedure ends there. True when it ran to its end.
template <class Body>
bool Trapped(const char* procedure, Body&& body) {
    try {
        body();
        return true;
    } catch (const ExplainedError& e) {
        ReportBug(procedure, e.detail(), e.systemError());
        return false;
    } catch (const PlatformError& e) {
        // The platform's own words name what failed and why.
        ReportBug(procedure, e.message(), e.systemError());
        return false;
    } catch (const std::exception&) {
        ReportBug(procedure);
        return false;
    }
}

// The product's web address and the maker's bug-report e-mail address.
QString ProductWebAddress();
QString BugReportEmail();

}  // namespace qv
