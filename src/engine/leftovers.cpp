#include "engine/leftovers.h"

#include <algorithm>

#include "core/message.h"
#include "core/state.h"
#include "platform/services.h"

namespace qv {

namespace {

// The names in the folder that are temporaries of this kind whose maker has gone.
QStringList Abandoned(const QString& folder, TemporaryKind kind) {
    QStringList names;
    try {
        names = fileSystem().FileNames(folder);
    } catch (const PlatformError&) {
        return {};
    }
    names.removeIf([kind](const QString& name) {
        const TemporaryName t = ReadTemporaryName(name);
        return t.kind != kind || OwnerRuns(t.owner);
    });
    std::sort(names.begin(), names.end());
    return names;
}

void RemoveFrom(const QString& folder) {
    if (folder.isEmpty())
        return;
    for (const QString& name : Abandoned(folder, TemporaryKind::PartialCopy)) {
        try {
            fileSystem().DeleteFile(folder + name, true);
        } catch (const PlatformError&) {
            // Waste that cannot go now goes another time.
        }
    }
}

}  // namespace

void RemoveAbandonedCopies(const QString& action, bool undo, const QString& work, const QString& dest) {
    if (action.isEmpty() || action == QLatin1String("Delete") || action == QLatin1String("Set Attribute"))
        return;
    // An undo puts files back into the work folder; an action writes new names into the work folder
    // when it renames there, and files into the destination when it copies or moves.
    const bool renamesInPlace = action == QLatin1String("Rename") || action == QLatin1String("Rename And Copy");
    if (undo || renamesInPlace)
        RemoveFrom(work);
    if (!undo && action != QLatin1String("Rename"))
        RemoveFrom(dest);
}

QStringList InterruptedRenameFiles(const QString& folder) {
    return Abandoned(folder, TemporaryKind::RenameHolder);
}

void TellOfInterruptedRenames(const QString& folder) {
    const QStringList names = InterruptedRenameFiles(folder);
    if (names.isEmpty())
        return;
    S.InterruptedRenameFiles = names;
    S.MessageKey = QStringLiteral("MessageInterruptedRename");
    MessageShowWork();
    S.InterruptedRenameFiles.clear();
}

}  // namespace qv
