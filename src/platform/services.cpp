// The services in force and the path helpers shared by every caller.
#include "platform/services.h"

namespace qv {

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
