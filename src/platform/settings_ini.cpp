// Per-user settings: one INI file per application name in the user's configuration folder.
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <cerrno>
#include <utility>

#include "platform/services.h"

namespace qv {
namespace {

constexpr int kLockWaitMs = 5000;

QString configFolder() {
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    // The XDG rules ignore a relative value.
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return xdg;
    return QDir::homePath() + QStringLiteral("/.config");
}

// The application name becomes a file name: nothing in it may climb out of the folder.
QString settingsFileFor(const QString& app) {
    QString name = app;
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._ -]")), QStringLiteral("_"));
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        name.prepend(QLatin1Char('_'));
    return configFolder() + QLatin1Char('/') + name + QStringLiteral(".ini");
}

QString keyPath(const QString& section, const QString& key) {
    // "/" would open a sub-group in QSettings; keep section and key flat.
    QString s = section;
    QString k = key;
    s.replace(QLatin1Char('/'), QLatin1Char('_'));
    s.replace(QLatin1Char('\\'), QLatin1Char('_'));
    k.replace(QLatin1Char('/'), QLatin1Char('_'));
    k.replace(QLatin1Char('\\'), QLatin1Char('_'));
    return s + QLatin1Char('/') + k;
}

// Sections are read as they are asked for: a fault anywhere in the file shows only once every
// section has been read.
bool Damaged(QSettings& settings) {
    settings.allKeys();
    return settings.status() == QSettings::FormatError;
}

class IniSettingsStore : public SettingsStore {
  public:
    void SaveSetting(const QString& app, const QString& section, const QString& key,
                     const QString& value) override {
        const QString file = settingsFileFor(app);
        if (!QDir().mkpath(QFileInfo(file).absolutePath()))
            throw PlatformError(QStringLiteral("Cannot create the settings folder for %1").arg(file),
                                kSystemRefused);
        // Our own lock, beside the one QSettings takes while it syncs, so that concurrent savers
        // from several processes each see the other's values when they merge.
        QLockFile lock(file + QStringLiteral(".guard"));
        if (!lock.tryLock(kLockWaitMs))
            throw PlatformError(QStringLiteral("The settings file %1 is locked").arg(file), kSystemRefused);
        bool damaged = false;
        if (QFileInfo::exists(file)) {
            QSettings probe(file, QSettings::IniFormat);
            damaged = Damaged(probe);
        }
        if (damaged)
            setAside(file);
        QSettings settings(file, QSettings::IniFormat);
        settings.setAtomicSyncRequired(true);
        settings.setValue(keyPath(section, key), value);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            throw PlatformError(QStringLiteral("Cannot write the settings file %1").arg(file),
                                settings.status() == QSettings::AccessError ? EACCES : kSystemRefused);
    }

    QString GetSetting(const QString& app, const QString& section, const QString& key) override {
        const QString file = settingsFileFor(app);
        if (!QFileInfo::exists(file))
            return QString();
        // A fresh object re-reads the file when another store or process has changed it.
        QSettings settings(file, QSettings::IniFormat);
        if (Damaged(settings)) {
            QLockFile lock(file + QStringLiteral(".guard"));
            if (lock.tryLock(kLockWaitMs))
                setAside(file);
            return QString();
        }
        const QVariant value = settings.value(keyPath(section, key));
        return value.isValid() ? value.toString() : QString();
    }

    QString TakeNotice() override { return std::exchange(notice_, QString()); }

  private:
    // A file that cannot be read as settings would be written over with what little could be made
    // of it: it is kept beside the new one instead, under a name of its own, and the user is told.
    // Called with the guard held.
    void setAside(const QString& file) {
        QString kept = file + QStringLiteral(".damaged");
        for (int n = 2; QFileInfo::exists(kept) || QFileInfo(kept).isSymLink(); ++n)
            kept = file + QStringLiteral(".damaged-%1").arg(n);
        QFile damaged(file);
        if (!damaged.rename(kept))
            throw PlatformError(
                QStringLiteral(
                    "The settings file %1 is damaged and cannot be set aside to begin a new one: %2")
                    .arg(file, damaged.errorString()),
                kSystemRefused);
        const QString said = QStringLiteral(
                                 "The file %1 could not be read: it is not a settings file (it may have been "
                                 "damaged). It is kept as %2, and a new one is begun in its place.")
                                 .arg(file, kept);
        notice_ = notice_.isEmpty() ? said : notice_ + QStringLiteral("\r\n") + said;
    }

    QString notice_;
};

}  // namespace

std::unique_ptr<SettingsStore> makeIniSettingsStore() {
    return std::make_unique<IniSettingsStore>();
}

}  // namespace qv
