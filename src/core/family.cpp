#include "core/family.h"

#include <algorithm>

#include "core/family_codes.h"
#include "core/message.h"
#include "core/settings_file.h"
#include "core/state.h"
#include "core/windows.h"
#include "platform/services.h"

namespace qv {

namespace {

using namespace family;

QString Get(const QString& section, const QString& key) {
    return settingsStore().GetSetting(kApp, section, key);
}

bool ProgramExists(const QString& folder, const QString& name) {
    return fileSystem().FileExists(ProgramFilePath(folder, name));
}

void NewMemberOrMissing() {
    if (ProgramExists(S.StartFolder, S.ProgName)) {
        S.FamilyNewMember = true;
        S.FamilyOwnFolder = S.StartFolder;
    } else {
        S.FamilyOwnPathMissing = true;
    }
}

void ClearRunList() {
    S.RunListLast = -1;
    S.RunListNames.clear();
    S.RunListFolders.clear();
    S.RunListPaths.clear();
}
}  // namespace

QString FamilySlotKey(int slot) {
    if (slot < 0 || slot > 9)
        return QString();
    return QLatin1String(FamilySlotPrefixes[slot]) + QStringLiteral("Guru");
}

QString FamilyMarker(int slot, int dayOfMonth) {
    const QString code = QLatin1String(FamilySlotCodes[std::clamp(slot, 0, 9)]);
    const QString day = QStringLiteral("%1").arg(std::clamp(dayOfMonth, 0, 99), 2, 10, QLatin1Char('0'));
    return QString(code[0]) + day[1] + code[1] + code[2] + day[0] + code[3];
}

int FamilyMarkerSlot(const QString& marker) {
    if (marker.size() < 6)
        return 0;
    const QString code = QString(marker[0]) + marker[2] + marker[3] + marker[5];
    for (int i = 0; i < 10; ++i)
        if (code == QLatin1String(FamilySlotCodes[i]))
            return i;
    return 0;
}

void OnRestCheckFamily() {
    ClearRunList();
    try {
        const QString marker = Get(kMarkerSection, kMarkerKey);
        if (marker.isEmpty()) {
            NewMemberOrMissing();
            return;
        }
        const int last = FamilyMarkerSlot(marker);
        bool ownFound = false;
        for (int slot = 0; slot <= last; ++slot) {
            const QString key = FamilySlotKey(slot);
            const QString name = Get(kNames, key);
            // A name that is not a plain file name would lead the Run panel to another program.
            if (!IsPlainProgramName(name))
                continue;
            const QString folder = Get(kFolders, key);
            if (folder.isEmpty())
                continue;
            if (name != S.ProgName) {
                if (!ProgramExists(folder, name))
                    continue;
                S.RunListLast += 1;
                S.RunListNames.append(name);
                S.RunListFolders.append(folder);
                S.RunListPaths.append(ProgramFilePath(folder, name));
                continue;
            }
            ownFound = true;
            if (folder != S.StartFolder) {
                if (ProgramExists(S.StartFolder, S.ProgName)) {
                    // Moved: the record follows the program.
                    settingsStore().SaveSetting(kApp, kFolders, key, S.StartFolder);
                    S.FamilyOwnFolder = S.StartFolder;
                } else if (ProgramExists(folder, S.ProgName)) {
                    S.FamilyOwnFolder = folder;
                } else {
                    S.FamilyOwnPathMissing = true;
                    return;
                }
            } else if (ProgramExists(folder, S.ProgName)) {
                S.FamilyOwnFolder = folder;
            } else {
                S.FamilyOwnPathMissing = true;
                return;
            }
        }
        if (!ownFound)
            NewMemberOrMissing();
    } catch (const PlatformError& e) {
        ClearRunList();
        ReportBug("OnRestCheckFamily", e.message(), e.systemError());
    }
}

void OnRestGetFamily() {
    OnRestCheckFamily();
    ReportStoreNotice("OnRestCheckFamily");
    if (S.FamilyOwnPathMissing) {
        S.MessageKey = MessageId::MessageMyPathNotFound;
        MessageShowSystem();
        systemServices().EndProgram(0);
    }
    S.ProgFolder = S.FamilyOwnFolder;
    OnRestCheckBachan();
}

void OnRestCheckBachan() {
    try {
        const QString candidate = ProgramFilePath(S.ProgFolder + QStringLiteral("Help/"), S.HelpProgName);
        S.HelpFound = fileSystem().FileExists(candidate);
        if (S.HelpFound) {
            S.HelpPath = candidate;
            return;
        }
        const QString recorded = Get(kHelpPaths, S.HelpProgName);
        // Only the help program's own file is started as Help, whatever else the records name.
        if (!NamesProgramFile(recorded, S.HelpProgName))
            return;
        S.HelpFound = fileSystem().FileExists(recorded);
        if (S.HelpFound)
            S.HelpPath = recorded;
    } catch (const PlatformError& e) {
        S.HelpFound = false;
        ReportBug("OnRestCheckBachan", e.message(), e.systemError());
    }
}

void OnRestSaveAnek(int slot) {
    try {
        settingsStore().SaveSetting(kApp, kMarkerSection, kMarkerKey,
                                    FamilyMarker(slot, systemServices().DayOfMonth()));
    } catch (const PlatformError& e) {
        ReportBug("OnRestSaveAnek", e.message(), e.systemError());
    }
    ReportStoreNotice("OnRestSaveAnek");
}

void OnRestSaveMember(int slot, const QString& name, const QString& folder) {
    try {
        const QString key = FamilySlotKey(slot);
        settingsStore().SaveSetting(kApp, kNames, key, name);
        settingsStore().SaveSetting(kApp, kFolders, key, folder);
        S.FamilyNewMember = false;
    } catch (const PlatformError& e) {
        ReportBug("OnRestSaveMember", e.message(), e.systemError());
    }
    ReportStoreNotice("OnRestSaveMember");
}

int FamilyRegistrationSlot() {
    for (int slot = 0; slot < 10; ++slot) {
        const QString key = FamilySlotKey(slot);
        const QString name = Get(kNames, key);
        const QString folder = Get(kFolders, key);
        if (!IsPlainProgramName(name) || folder.isEmpty() || name == S.ProgName ||
            !ProgramExists(folder, name))
            return slot;
    }
    return -1;
}

int FamilyHighestSlotInUse(int slot) {
    int highest = slot;
    for (int i = 9; i > highest; --i) {
        const QString key = FamilySlotKey(i);
        if (!Get(kNames, key).isEmpty() && !Get(kFolders, key).isEmpty()) {
            highest = i;
            break;
        }
    }
    return highest;
}

void FamilyRegister() {
    if (!S.FamilyNewMember)
        return;
    int slot = -1;
    try {
        slot = FamilyRegistrationSlot();
    } catch (const PlatformError&) {
        slot = -1;
    }
    // Every slot holds a live member: the program runs unregistered.
    if (slot < 0)
        return;
    OnRestSaveAnek(FamilyHighestSlotInUse(slot));
    OnRestSaveMember(slot, S.ProgName, S.ProgFolder);
}

void FamilyRunHelp() {
    System& sys = systemServices();
    if (!S.HelpFound) {
        S.MessageKey = MessageId::MessageHelpShow;
        MessageShowWork();
        if (S.MessageReply == QLatin1String("GoToWebSite")) {
            S.MessageReply.clear();
            if (!sys.OpenWebPage(ProductWebAddress())) {
                S.MessageKey = MessageId::MessageRunHelpSiteError;
                MessageShowSystem();
                return;
            }
            // The program ends without the main window's unload: this run's settings are kept first.
            WriteSettingsFile();
            sys.EndProgram(0);
        }
        return;
    }
    windows().SetValueCancel();
    if (S.HelpPath.isEmpty() || !sys.StartProgram(S.HelpPath)) {
        S.MessageKey = MessageId::MessageRunHelpError;
        MessageShowSystem();
    }
}

void FamilyRunMember() {
    const QString path = S.RunChoice >= 0 ? S.RunListPaths.value(S.RunChoice) : QString();
    System& sys = systemServices();
    if (path.isEmpty() || !sys.StartProgram(path)) {
        S.MessageKey = MessageId::MessageRunFamilyError;
        MessageShowSystem();
        return;
    }
    // The program ends without the main window's unload: this run's settings are kept first.
    WriteSettingsFile();
    sys.EndProgram(0);
}

}  // namespace qv
