// Stand-ins for the platform services, and a scope that puts them in force for one test.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <tuple>
#include <utility>

#include "platform/services.h"

namespace qv::test {

// A machine whose facts the test sets; program starts and web pages are recorded, not done.
class FakeSystem : public System {
  public:
    int screenWidthTwips = 1024 * 15;
    int screenHeightTwips = 768 * 15;
    QString systemFolder = QStringLiteral("/usr/");
    int dayOfMonth = 15;
    QString programFolder = QStringLiteral("/opt/quorvan/");
    bool startProgramResult = true;
    bool openWebPageResult = true;

    QStringList startedPrograms;  // every StartProgram call, successful or not
    QStringList openedPages;      // every OpenWebPage call, successful or not
    std::optional<int> endCode;   // set by EndProgram before it throws

    int ScreenWidthTwips() override { return screenWidthTwips; }
    int ScreenHeightTwips() override { return screenHeightTwips; }
    QString SystemFolder() override { return systemFolder; }
    int DayOfMonth() override { return dayOfMonth; }
    QString ProgramFolder() override { return programFolder; }
    bool StartProgram(const QString& path) override;
    bool OpenWebPage(const QString& url) override;
    // Throws ProgramEnded{code}, so a test can see where the program would have ended.
    [[noreturn]] void EndProgram(int code) override;
};

// Settings held in memory. Missing values read "".
class MemorySettingsStore : public SettingsStore {
  public:
    using Key = std::tuple<QString, QString, QString>;  // app, section, key

    QMap<Key, QString> values;
    int saveCount = 0;
    bool failSaves = false;  // SaveSetting throws PlatformError and keeps nothing

    void SaveSetting(const QString& app, const QString& section, const QString& key,
                     const QString& value) override;
    QString GetSetting(const QString& app, const QString& section, const QString& key) override;
    bool contains(const QString& app, const QString& section, const QString& key) const;
};

// Answers Acquire with a scripted result and records the program names asked for.
class FakeSingleInstance : public SingleInstance {
  public:
    bool acquireResult = true;
    QStringList acquired;

    bool Acquire(const QString& programName) override;
    // What the running copy does when a second start asks it to come forward.
    void requestActivation() {
        if (onActivateRequest)
            onActivateRequest();
    }
};

// Puts services in force for its own lifetime; the ones it replaced come back when it ends.
// Slots it does not touch keep whatever is in force.
class ScopedServices {
  public:
    ScopedServices() = default;
    ~ScopedServices();
    ScopedServices(const ScopedServices&) = delete;
    ScopedServices& operator=(const ScopedServices&) = delete;

    void setSettings(std::unique_ptr<SettingsStore> store);
    void setFiles(std::unique_ptr<FileSystem> files);
    void setSystem(std::unique_ptr<System> system);
    void setInstance(std::unique_ptr<SingleInstance> instance);

    // Make a service, put it in force and hand back a reference for scripting it.
    template <class T = MemorySettingsStore, class... Args>
    T& useSettings(Args&&... args) {
        return install<T>(&ScopedServices::setSettings, std::forward<Args>(args)...);
    }
    template <class T, class... Args>
    T& useFiles(Args&&... args) {
        return install<T>(&ScopedServices::setFiles, std::forward<Args>(args)...);
    }
    template <class T = FakeSystem, class... Args>
    T& useSystem(Args&&... args) {
        return install<T>(&ScopedServices::setSystem, std::forward<Args>(args)...);
    }
    template <class T = FakeSingleInstance, class... Args>
    T& useInstance(Args&&... args) {
        return install<T>(&ScopedServices::setInstance, std::forward<Args>(args)...);
    }
    // The real file system (on temporary folders), for tests that need real files.
    FileSystem& useRealFiles();

  private:
    template <class T, class Base, class... Args>
    T& install(void (ScopedServices::*set)(std::unique_ptr<Base>), Args&&... args) {
        auto service = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *service;
        (this->*set)(std::move(service));
        return ref;
    }

    std::optional<std::unique_ptr<SettingsStore>> savedSettings_;
    std::optional<std::unique_ptr<FileSystem>> savedFiles_;
    std::optional<std::unique_ptr<System>> savedSystem_;
    std::optional<std::unique_ptr<SingleInstance>> savedInstance_;
};

}  // namespace qv::test
