// One running copy per program and user, found through a local socket in a private folder.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QRegularExpression>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/services.h"

namespace qv {
namespace {

constexpr int kConnectWaitMs = 1000;
constexpr int kReplyWaitMs = 2000;
constexpr int kLockWaitMs = 5000;
const QByteArray kRaiseRequest = QByteArrayLiteral("raise\n");
const QByteArray kRaiseReply = QByteArrayLiteral("ok\n");

// A folder only this user can enter; anything else could be a trap laid by another user.
QString privateFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && QDir(runtime).exists())
        return runtime;

    const uid_t uid = ::getuid();
    const QString folder = QStringLiteral("/tmp/quorvan-%1").arg(uid);
    const QByteArray native = QFile::encodeName(folder);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        throw PlatformError(QStringLiteral("Cannot make the folder %1: %2")
                                .arg(folder, QString::fromLocal8Bit(std::strerror(errno))));
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != uid)
        throw PlatformError(QStringLiteral("The folder %1 does not belong to this user").arg(folder));
    if ((st.st_mode & 077) != 0 && ::chmod(native.constData(), 0700) != 0)
        throw PlatformError(QStringLiteral("Cannot make the folder %1 private").arg(folder));
    return folder;
}

QString socketPathFor(const QString& programName) {
    QString name = programName.toLower();
    name.replace(QRegularExpression(QStringLiteral("[^a-z0-9._-]")), QStringLiteral("_"));
    return privateFolder() + QStringLiteral("/quorvan-instance-") + name;
}

// Held while a copy looks for a running one and starts listening. A lock on an open file: the system
// lets it go however the holder ends, and taking it writes nothing to the disk (a lock file that is
// flushed costs a start on a disk-backed folder more than all the rest of it).
class StartLock {
  public:
    explicit StartLock(const QString& path) {
        const QByteArray native = QFile::encodeName(path);
        fd_ = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd_ < 0)
            throw PlatformError(
                QStringLiteral("Cannot open %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno))));
        QElapsedTimer clock;
        clock.start();
        while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            if ((errno != EWOULDBLOCK && errno != EINTR) || clock.elapsed() >= kLockWaitMs) {
                ::close(fd_);
                throw PlatformError(QStringLiteral("Cannot lock %1: another copy is starting").arg(path));
            }
            ::usleep(5000);
        }
    }
    ~StartLock() { ::close(fd_); }
    StartLock(const StartLock&) = delete;
    StartLock& operator=(const StartLock&) = delete;

  private:
    int fd_ = -1;
};

class LocalSocketSingleInstance : public SingleInstance {
  public:
    // A guard that cannot be set up (no private folder, a socket path too long, a lock never
    // released) must not keep the program from starting: it runs unguarded and says why.
    bool Acquire(const QString& programName) override {
        try {
            return acquire(programName);
        } catch (const PlatformError& e) {
            std::fprintf(stderr, "%s: running without the single-instance guard: %s\n",
                         qPrintable(programName), e.what());
            return true;
        }
    }

  private:
    bool acquire(const QString& programName) {
        const QString path = socketPathFor(programName);
        if (server_ && server_->isListening() && server_->fullServerName() == path)
            return true;

        // Two copies starting at once must not both find no server and both listen.
        const StartLock lock(path + QStringLiteral(".lock"));

        if (askRunningCopyToRaise(path))
            return false;

        // Nobody answers: whatever socket file is left belongs to a copy that ended without
        // cleaning up.
        QLocalServer::removeServer(path);
        auto server = std::make_unique<QLocalServer>();
        server->setSocketOptions(QLocalServer::UserAccessOption);
        if (!server->listen(path))
            throw PlatformError(QStringLiteral("Cannot listen on %1: %2").arg(path, server->errorString()));
        QObject::connect(server.get(), &QLocalServer::newConnection, server.get(),
                         [this, srv = server.get()] { acceptRequests(srv); });
        server_ = std::move(server);
        return true;
    }

    static bool askRunningCopyToRaise(const QString& path) {
        QLocalSocket socket;
        socket.connectToServer(path);
        if (!socket.waitForConnected(kConnectWaitMs))
            return false;
        socket.write(kRaiseRequest);
        socket.waitForBytesWritten(kReplyWaitMs);
        // A copy that answers late is still running: this one ends either way.
        socket.waitForReadyRead(kReplyWaitMs);
        socket.disconnectFromServer();
        return true;
    }

    void acceptRequests(QLocalServer* server) {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            auto serve = [this, socket] {
                if (!socket->canReadLine())
                    return;
                const QByteArray request = socket->readLine();
                if (request != kRaiseRequest) {
                    socket->disconnectFromServer();
                    return;
                }
                socket->write(kRaiseReply);
                socket->flush();
                if (onActivateRequest)
                    onActivateRequest();
            };
            QObject::connect(socket, &QLocalSocket::readyRead, socket, serve);
            serve();  // the request may have arrived with the connection
        }
    }

    std::unique_ptr<QLocalServer> server_;
};

}  // namespace

std::unique_ptr<SingleInstance> makeLocalSocketSingleInstance() {
    return std::make_unique<LocalSocketSingleInstance>();
}

}  // namespace qv
