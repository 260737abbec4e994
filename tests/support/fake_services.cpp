#include "support/fake_services.h"

namespace qv::test {

bool FakeSystem::StartProgram(const QString& path) {
    startedPrograms.append(path);
    return startProgramResult;
}

bool FakeSystem::OpenWebPage(const QString& url) {
    openedPages.append(url);
    return openWebPageResult;
}

void FakeSystem::EndProgram(int code) {
    endCode = code;
    throw ProgramEnded{code};
}

void MemorySettingsStore::SaveSetting(const QString& app, const QString& section, const QString& key,
                                      const QString& value) {
    if (failSaves)
        throw PlatformError(QStringLiteral("The settings store refused the value"));
    values.insert(Key{app, section, key}, value);
    ++saveCount;
}

QString MemorySettingsStore::GetSetting(const QString& app, const QString& section, const QString& key) {
    return values.value(Key{app, section, key});
}

bool MemorySettingsStore::contains(const QString& app, const QString& section, const QString& key) const {
    return values.contains(Key{app, section, key});
}

bool FakeSingleInstance::Acquire(const QString& programName) {
    acquired.append(programName);
    return acquireResult;
}

namespace {

// Swap `next` into `slot`; the first swap of a scope remembers what was there.
template <class T>
void swapIn(std::unique_ptr<T>& slot, std::unique_ptr<T> next, std::optional<std::unique_ptr<T>>& saved) {
    if (!saved)
        saved = std::move(slot);
    slot = std::move(next);
}

template <class T>
void restore(std::unique_ptr<T>& slot, std::optional<std::unique_ptr<T>>& saved) {
    if (saved)
        slot = std::move(*saved);
}

}  // namespace

ScopedServices::~ScopedServices() {
    Services& s = services();
    restore(s.settings, savedSettings_);
    restore(s.files, savedFiles_);
    restore(s.system, savedSystem_);
    restore(s.instance, savedInstance_);
}

void ScopedServices::setSettings(std::unique_ptr<SettingsStore> store) {
    swapIn(services().settings, std::move(store), savedSettings_);
}

void ScopedServices::setFiles(std::unique_ptr<FileSystem> files) {
    swapIn(services().files, std::move(files), savedFiles_);
}

void ScopedServices::setSystem(std::unique_ptr<System> system) {
    swapIn(services().system, std::move(system), savedSystem_);
}

void ScopedServices::setInstance(std::unique_ptr<SingleInstance> instance) {
    swapIn(services().instance, std::move(instance), savedInstance_);
}

FileSystem& ScopedServices::useRealFiles() {
    auto files = makePosixFileSystem();
    FileSystem& ref = *files;
    setFiles(std::move(files));
    return ref;
}

}  // namespace qv::test
