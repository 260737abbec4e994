// The machine the program-level tests run on: a fake system whose program folder lies inside a
// temporary folder, settings in memory, a fake single instance and real files. The working folder
// the test started in is put back afterwards, whatever the program changed it to.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include "support/fake_services.h"

namespace qv::test {

class MachineTest : public ::testing::Test {
  protected:
    // `programFolder` is where the program runs from, below the temporary folder, ending in "/".
    void UseMachine(const QString& programFolder) {
        system_ = &services_.useSystem<FakeSystem>();
        system_->programFolder = temp_.path() + QStringLiteral("/") + programFolder;
        system_->systemFolder = QStringLiteral("/usr/");
        system_->screenWidthTwips = 1280 * 15;
        system_->screenHeightTwips = 1024 * 15;
        store_ = &services_.useSettings<MemorySettingsStore>();
        instance_ = &services_.useInstance<FakeSingleInstance>();
        services_.useRealFiles();
        savedCwd_ = QDir::currentPath();
    }

    void RestoreWorkingFolder() { QDir::setCurrent(savedCwd_); }

    ScopedServices services_;
    FakeSystem* system_ = nullptr;
    MemorySettingsStore* store_ = nullptr;
    FakeSingleInstance* instance_ = nullptr;
    QTemporaryDir temp_;
    QString savedCwd_;
};

// Writes a file with these bytes, making its folders.
inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

}  // namespace qv::test
