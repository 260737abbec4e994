#include "core/profile.h"

#include "core/family_codes.h"
#include "core/message.h"
#include "core/state.h"
#include "platform/services.h"

namespace qv {

namespace {
using family::kApp;
const QString& kSection = family::kProfile;

void Save(const QString& key, const QString& value, const char* procName) {
    try {
        settingsStore().SaveSetting(kApp, kSection, key, value);
    } catch (const PlatformError& e) {
        ReportBug(procName, e.message(), e.systemError());
    }
    ReportStoreNotice(procName);
}
}  // namespace

void ProgGetSettings() {
    SettingsStore& store = settingsStore();
    S.UserName = store.GetSetting(kApp, kSection, QStringLiteral("NickName"));
    S.UserPicPath = store.GetSetting(kApp, kSection, QStringLiteral("UserPic"));
    S.UserPicCaption = store.GetSetting(kApp, kSection, QStringLiteral("PicCaption"));
    if (S.UserPicPath.isEmpty())
        return;
    const int slash = S.UserPicPath.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return;
    S.UserPicFolder = S.UserPicPath.left(slash);
    S.UserPicFile = S.UserPicPath.mid(slash + 1);
}

void ProgSaveUserName() {
    Save(QStringLiteral("NickName"), S.UserName, "ProgSaveUserName");
}

void ProgSaveUserPicture() {
    Save(QStringLiteral("UserPic"), S.UserPicPath, "ProgSaveUserPicture");
    Save(QStringLiteral("PicCaption"), S.UserPicCaption, "ProgSaveUserPicture");
}

}  // namespace qv
