// The services in force and the path helpers shared by every caller.
#include "platform/services.h"

#include <signal.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <cerrno>
#include <climits>

namespace qv {

namespace {

struct ProcessFacts {
    char state = 0;
    quint64 started = 0;
};

// State and start time from /proc/<pid>/stat; false when it cannot be read.
bool ReadProcessFacts(qint64 pid, ProcessFacts& facts) {
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = file.readAll();
    // The command name in parentheses may hold anything, blanks and parentheses too.
    const qsizetype close = line.lastIndexOf(')');
    if (close < 0)
        return false;
    const QList<QByteArray> fields = line.mid(close + 1).simplified().split(' ');
    // Fields from the third (state) on; the start time is the twenty-second.
    if (fields.size() < 20 || fields.at(0).size() != 1)
        return false;
    bool ok = false;
    facts.state = fields.at(0).at(0);
    facts.started = fields.at(19).toULongLong(&ok);
    return ok;
}

const char* KindWord(TemporaryKind kind) {
    return kind == TemporaryKind::PartialCopy ? "copy" : "rename";
}

const char* KindEnding(TemporaryKind kind) {
    return kind == TemporaryKind::PartialCopy ? "part" : "tmp";
}

}  // namespace

TemporaryOwner ThisProcess() {
    thread_local TemporaryOwner self;
    const qint64 pid = ::getpid();
    if (self.pid != pid) {
        ProcessFacts facts;
        self.pid = pid;
        self.started = ReadProcessFacts(pid, facts) ? facts.started : 0;
    }
    return self;
}

QString MakeTemporaryName(TemporaryKind kind, quint64 n, const TemporaryOwner& owner) {
    return QStringLiteral(".quorvan-%1-%2-%3-%4.%5")
        .arg(QLatin1String(KindWord(kind)))
        .arg(owner.pid)
        .arg(owner.started)
        .arg(n)
        .arg(QLatin1String(KindEnding(kind)));
}

TemporaryName ReadTemporaryName(const QString& name) {
    static const QRegularExpression shape(
        QStringLiteral("^\\.quorvan-(copy|rename)-([0-9]{1,10})-([0-9]{1,20})-[0-9]{1,20}\\.(part|tmp)$"));
    // Earlier versions named the file a ring of renames stepped aside as ".quorvan-<pid>-<n>.tmp".
    static const QRegularExpression earlierHolder(QStringLiteral("^\\.quorvan-([0-9]{1,10})-[0-9]{1,20}\\.tmp$"));
    if (!name.startsWith(QLatin1String(".quorvan-")))
        return {};
    TemporaryName out;
    bool pidOk = false;
    if (const QRegularExpressionMatch m = shape.match(name); m.hasMatch()) {
        const TemporaryKind kind =
            m.captured(1) == QLatin1String("copy") ? TemporaryKind::PartialCopy : TemporaryKind::RenameHolder;
        if (m.captured(4) != QLatin1String(KindEnding(kind)))
            return out;
        bool startOk = false;
        out.owner.pid = m.captured(2).toLongLong(&pidOk);
        out.owner.started = m.captured(3).toULongLong(&startOk);
        if (!startOk)
            return {};
        out.kind = kind;
    } else if (const QRegularExpressionMatch e = earlierHolder.match(name); e.hasMatch()) {
        out.owner.pid = e.captured(1).toLongLong(&pidOk);
        out.kind = TemporaryKind::RenameHolder;
    }
    if (out.kind != TemporaryKind::None && (!pidOk || out.owner.pid <= 0 || out.owner.pid > INT_MAX))
        return {};
    return out;
}

bool OwnerRuns(const TemporaryOwner& owner) {
    if (owner.pid <= 0 || owner.pid > INT_MAX)
        return true;  // nothing to ask about: taken as running, so nothing is touched
    if (::kill(static_cast<pid_t>(owner.pid), 0) != 0 && errno == ESRCH)
        return false;
    ProcessFacts facts;
    if (!ReadProcessFacts(owner.pid, facts))
        return true;
    if (facts.state == 'Z' || facts.state == 'X')
        return false;
    return owner.started == 0 || facts.started == owner.started;
}

Services& services() {
    static Services instance;
    return instance;
}

void installRealServices() {
    Services& s = services();
    s.settings = makeIniSettingsStore();
    s.files = makePosixFileSystem();
    s.system = makeDesktopSystem();
    s.instance = makeLocalSocketSingleInstance();
}

QString ProgramFilePath(const QString& folder, const QString& name) {
    return WithTrailingSlash(folder) + name.toLower();
}

bool IsPlainProgramName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

bool NamesProgramFile(const QString& path, const QString& name) {
    if (!path.startsWith(QLatin1Char('/')) || !IsPlainProgramName(name) || path.contains(QChar(0)))
        return false;
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1) == ProgramFilePath(QString(), name);
}

// An empty path stays empty: turning it into "/" would quietly aim the caller at the root.
QString WithTrailingSlash(const QString& path) {
    if (path.isEmpty() || path.endsWith(QLatin1Char('/')))
        return path;
    return path + QLatin1Char('/');
}

QString WithoutTrailingSlash(const QString& path) {
    QString result = path;
    while (result.size() > 1 && result.endsWith(QLatin1Char('/'))) result.chop(1);
    return result;
}

}  // namespace qv
