#include "core/little_help.h"

#include "core/folders.h"
#include "core/state.h"
#include "core/windows.h"

#include <algorithm>

namespace qv {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString Plural(qsizetype n) {
    return n > 1 ? QStringLiteral("s") : QString();
}

QString Head() {
    const FrameKeyField& k = S.FrameKey;
    if (k == FrameId::ViewFrame || k.isEmpty())
        return QStringLiteral(
            "To view Little Help please press Info button at bottom right of the main window.");
    if (k == FrameId::AboutFrame)
        return QStringLiteral(
            "To view Littlle Help hide about frame by clicking 'About' button again and then click on 'Info' "
            "button at the bottom right of the window.");
    if (k == FrameId::InfoFrame)
        return QStringLiteral("Little Help is being shown at the bottom right of the window.") + kCrLf +
               kCrLf + QStringLiteral("Little help will tell you what you can do or what you need to do.");
    if (!S.HelpAtStart)
        return QStringLiteral(
            "To view Little Help click on 'Info' button at the bottom right of the window. To view Little "
            "Help "
            "from start of Program set that option by pressing 'Options' button.");
    return QStringLiteral("To view Little Help click on 'Info' button at the bottom right of the window.");
}

QString Priority() {
    if (!S.ViewLocked) {
        const FrameKeyField& k = S.FrameKey;
        if (k == FrameId::ChoiceFrame || k == FrameId::InfoFrame)
            return QStringLiteral("Priority : To access press Hide.");
        if (k == FrameId::ViewFrame || k.isEmpty())
            return QStringLiteral("Priority : To change press Priority.");
    }
    return QStringLiteral("Priority :");
}

QString Selection() {
    if (S.HasSelection == 1)
        return QString::number(S.SelectedCount) + QStringLiteral(" File") + Plural(S.SelectedCount) +
               QStringLiteral(" Selected");
    if (S.SelectionMode == QLatin1String("Manual"))
        return QStringLiteral("Select File");
    return QString::number(S.SelectedCount) + QStringLiteral(" File Selected");
}

QString ListHead() {
    const QString& a = S.ActionName;
    // Delete and Set Attribute list the selected files themselves; the others list new names.
    const bool listsFiles = a == QLatin1String("Delete") || a == QLatin1String("Set Attribute");
    const qsizetype n = listsFiles ? S.ComboFile1.size() : S.PreviewNames.size();
    if (S.HasSelection != 1 || !S.ReadyToFinalize || n < 1)
        return QString();
    const QString s = Plural(n);
    const QString newNames = QStringLiteral("New Name") + s + QStringLiteral(" - File") + s;
    if (a == QLatin1String("Rename"))
        return newNames + QStringLiteral(" to be Renamed");
    if (a == QLatin1String("Move And Rename"))
        return newNames + QStringLiteral(" to be Moved");
    if (a == QLatin1String("Rename And Copy") || a == QLatin1String("Copy And Rename"))
        return newNames + QStringLiteral(" to be Copied");
    const QString files = QStringLiteral("File") + s;
    if (a == QLatin1String("Move"))
        return files + QStringLiteral(" to be Moved");
    if (a == QLatin1String("Copy"))
        return files + QStringLiteral(" to be Copied");
    if (a == QLatin1String("Delete"))
        return files + QStringLiteral(" to be Deleted");
    if (a == QLatin1String("Set Attribute"))
        return files + QStringLiteral(" Attribute to be changed");
    return QString();
}

// The one file in question: the picked Easy Process file, or the only selected file of the work
// list (the selected entry itself, not the entry that has the focus).
QString FileNum() {
    Windows& w = windows();
    int n = 0;
    QString name;
    if (S.EasyProcessMode) {
        n = S.EasyFileIndex + 1;
        if (n > 0)
            name = w.FileEntry(FileList::Easy, n - 1);
    } else {
        const int count = w.FileCount(FileList::Work);
        int selected = -1;
        for (int i = 0; i < count; ++i) {
            if (!w.FileSelected(FileList::Work, i))
                continue;
            if (selected >= 0) {
                selected = -1;
                break;
            }
            selected = i;
        }
        if (selected >= 0) {
            n = selected + 1;
            name = w.FileEntry(FileList::Work, selected);
        }
    }
    if (n <= 0)
        return QString();
    // A file gone meanwhile has size 0.
    return QStringLiteral("File # ") + QString::number(n) + QStringLiteral(" : ") +
           QString::number(GetFileSizeKB(S.WorkPath + name)) + QStringLiteral("KB");
}

QString ButtonWord() {
    switch (CurrentAction()) {
        case Action::Rename:
            return QStringLiteral("Rename");
        case Action::RenameAndCopy:
        case Action::CopyAndRename:
        case Action::Copy:
            return QStringLiteral("Copy");
        case Action::MoveAndRename:
        case Action::Move:
            return QStringLiteral("Move");
        case Action::Delete:
            return QStringLiteral("Delete");
        case Action::SetAttribute:
            return QStringLiteral("Set Attribute");
    }
    return QStringLiteral("Set Attribute");
}

QString ChangeActionLine() {
    const QString change = QStringLiteral("To change Action press :- Action.");
    return S.UndoAvailable ? QStringLiteral("To undo last Action press :- Undo.") + kCrLf + change : change;
}

void PanelLines(std::array<QString, 4>& l) {
    const PanelKeyField& k = S.PanelKey;
    const QString keepOld = QStringLiteral("Pressing Cancel will keep your old setting.");
    if (k == PanelId::Selection) {
        l = {
            QStringLiteral(
                "While setting File Selection option OK button will appear disabled for following reasons :"),
            QStringLiteral("1. Current and old File selection option is same.") + kCrLf +
                QStringLiteral("2. File Selection option setting is incomplete."),
            keepOld,
            QStringLiteral("You must finish or cancel setting up File Selection options to continue.")};
    } else if (k == PanelId::Action) {
        l = {QStringLiteral("While setting Action OK button will appear disabled for following reasons :"),
             QStringLiteral(
                 "1. This is old setting. 2. Moving or Copying but Source and Destination Folder is "
                 "same. 3. Setting incomplete."),
             keepOld, QStringLiteral("You must finish or cancel setting up Action to continue.")};
    } else if (k == PanelId::Options) {
        l = {QStringLiteral("Disabled OK button means this is saved Options. Disabled Default means saved "
                            "options is Program's Default Options."),
             QStringLiteral(
                 "Press Default to set Options to Default. Press Cancel to not to change old Options."),
             QStringLiteral("Reset button resets temporary Options only. To reset all Options to Default use "
                            "Default button in Options."),
             QStringLiteral("You must finish or cancel setting up Options to continue.")};
    } else if (k == PanelId::Help) {
        l[2] = S.HelpAtStart ? QStringLiteral(
                                   "Uncheck the Show Information box in Options if you do not want to "
                                   "see these informations from start of Program.")
                             : QStringLiteral(
                                   "If you want to view Help informations from start of Program then "
                                   "check the Show Little Help box in Options.");
        l[3] = QStringLiteral("You must finish with Help to continue.");
    } else if (k == PanelId::Family) {
        l[1] = QStringLiteral("Select Program if not selected already.") + kCrLf +
               QStringLiteral("Press OK to run selected Program.");
        l[2] = QStringLiteral(
            "Quorvan will exit if you run selected Program. But from that Program you will be "
            "able to come back to Quorvan again.");
        l[3] = QStringLiteral("You must finish with Run to continue.");
    }
}

void LockedLines(std::array<QString, 4>& l) {
    const bool deleting = !HasPreview(CurrentAction());
    const QString press = QStringLiteral("Press :- ") + ButtonWord() + QStringLiteral(" button to ") +
                          S.ActionName + QStringLiteral(".") + kCrLf +
                          QStringLiteral("Press :- Cancel to cancel.");
    if (S.ReadyToFinalize && HasPreview(CurrentAction())) {
        l[1] = press;
        l[2] =
            QStringLiteral("Everything else is disabled now. Will be enabled after any of the above action.");
    } else if (S.ReadyToFinalize && deleting && S.HasSelection == 1 && S.ReviewMode != 0) {
        // Review mode refuses the action and offers no Cancel: say what can be done instead.
        l[1] = QStringLiteral("Review Mode is on: the files are not changed.") + kCrLf +
               QStringLiteral("To ") + S.ActionName +
               QStringLiteral(" them press :- Action and uncheck the Review Mode Check Box.");
        l[2] = QStringLiteral("You can select files. To cancel reset Action by pressing Reset button.");
    } else if (S.ReadyToFinalize && deleting && S.HasSelection == 1) {
        l[1] = press;
        l[2] = QStringLiteral(
            "You can select files. Everything else is disabled now. Will be enabled after any of the above "
            "action.");
    } else if (deleting && (S.ReadyToFinalize ? S.HasSelection != 1 : S.HasSelection == 0)) {
        l[1] = QStringLiteral("Select files to ") + S.ActionName + QStringLiteral(".");
        l[2] = QStringLiteral("To cancel reset Action by pressing Reset button.");
    }
}

// Whether the committed automatic rule would take any file of the work list as it is now: an action
// or an undo leaves nothing selected though the same rule would select again.
bool RuleFindsFilesNow() {
    Windows& w = windows();
    const int count = w.FileCount(FileList::Work);
    const QString& mode = S.SelectionMode;
    if (mode == QLatin1String("All") || mode == QLatin1String("ByNumber"))
        return count > S.SelSkip && (mode == QLatin1String("All") || S.SelNumber > 0);
    if (mode != QLatin1String("ByString") && mode != QLatin1String("ByExtension"))
        return false;
    const SelectionRule rule;
    for (int i = std::max(S.SelSkip, 0); i < count; ++i)
        if (rule.Matches(w.FileEntry(FileList::Work, i)))
            return true;
    return false;
}

void FreeLines(std::array<QString, 4>& l) {
    const QString easy =
        QStringLiteral("To process single file check the Easy Process Check Box to make it easy.");
    const QString easyReset =
        QStringLiteral("To access Easy Process for single file - File Selection option need to be Reset.");
    const QString deleteWarning = QStringLiteral(
        "You are trying to Delete files. Please remember, you will not get a chance to Undo it.");
    const QString criteria = QStringLiteral("To set Rename Criteria: press :- Rename Criteria.");
    l[1] = ChangeActionLine();
    if (S.HasSelection == 0) {
        if (S.SelKind == 0) {
            l[0] = QStringLiteral(
                "Select files manually. For auto selection depending on specific criteria press :- File "
                "Selection.");
            l[3] = easy;
        } else {
            l[0] = RuleFindsFilesNow()
                       ? QStringLiteral(
                             "No file is selected now, but your selection criteria find files. To select "
                             "them again press :- File Selection, then OK.")
                       : QStringLiteral(
                             "Change your selection criteria. There is no file to select with set "
                             "Criteria.");
            l[3] = easyReset;
        }
        if (CurrentAction() == Action::Rename)
            l[2] = QStringLiteral("To set Rename Criteria press :- Rename Criteria.");
        else if (Renames(CurrentAction()) && NeedsDestination(CurrentAction()))
            l[2] = criteria + QStringLiteral(" For Destination: press :- Action | Set Destination.");
        else if (CurrentAction() == Action::Delete)
            l[2] = deleteWarning;
        return;
    }
    if (Renames(CurrentAction())) {
        l[0] = S.CriteriaCount > 0
                   ? QStringLiteral(
                         "To Preview Renaming press :- Preview. You will get a message for possible "
                         "conflict if any found.")
                   : QStringLiteral(
                         "Rename Criteria is not set. Set Rename criteria or set right Action to "
                         "continue.");
        l[2] = criteria;
    } else if (CurrentAction() == Action::Copy || CurrentAction() == Action::Move) {
        l[0] = QStringLiteral(
            "To check for possible conflict press :- Finalize. You will get a message if any found.");
        l[2] = QStringLiteral("To change Destination press :- Action | Set Destination.");
    } else if (CurrentAction() == Action::Delete) {
        l[2] = deleteWarning;
    }
    l[3] = S.SelKind == 0 ? easy : easyReset;
}

}  // namespace

SelectionRule::SelectionRule()
    : active_(S.SelectionMode == QLatin1String("ByString") || S.SelectionMode == QLatin1String("ByExtension")),
      byString_(S.SelectionMode == QLatin1String("ByString")),
      caseSensitive_(S.SelCaseSensitive) {
    // The case box counts for both, as the panel and the help say.
    const QString& subject = byString_ ? S.SelString : S.SelExtension;
    needle_ = caseSensitive_ ? subject : subject.toUpper();
}

bool SelectionRule::Matches(const QString& name) const {
    if (!active_)
        return false;
    if (byString_)
        return caseSensitive_ ? name.contains(needle_) : name.toUpper().contains(needle_);
    if (name.size() < needle_.size())
        return false;
    return caseSensitive_ ? name.endsWith(needle_) : name.right(needle_.size()).toUpper() == needle_;
}

LittleHelpTexts LittleHelp() {
    LittleHelpTexts t;
    t.head = Head();
    t.priority = Priority();
    t.selection = Selection();
    t.listHead = ListHead();
    t.fileNum = FileNum();
    t.spaceFree = S.DestSpaceCaption;
    t.resetVisible =
        S.SelKind + S.HasSelection + IndexOf(CurrentAction()) + S.CriteriaCount + S.OptionsNonDefault != 0;
    std::array<QString, 4>& l = t.info;
    if (S.CriteriaHelpShown) {
        l = {QStringLiteral(
                 "Set renaming options. Please do it first brfore continuing. Press OK when done to set "
                 "Criteria to take effect."),
             QStringLiteral("Order of action will be following for multiple options :") + kCrLf +
                 QStringLiteral("1 :- a.Case  b.Extension  c.Space  d.Handle"),
             QStringLiteral("2 :- a.Insert  b.Replace  c.Remove           3 :- Auto") + kCrLf +
                 QStringLiteral("Priority of Insert, Replace and Remove interchangeable."),
             QStringLiteral(
                 "To be able to set Priority of Insert, Replace and Remove at least two of those must "
                 "be selected.")};
    } else if (S.JobBusy) {
        l[2] = QStringLiteral("Working.....Please Wait.");
    } else if (S.EasyProcessMode) {
        l[1] = QStringLiteral("To change Action press :- Action.");
        l[3] = QStringLiteral(
            "To process multiple files press 'Cancel' button or uncheck the Easy Process Check Box.");
    } else if (S.PanelOpen) {
        PanelLines(l);
    } else if (S.ViewLocked) {
        LockedLines(l);
    } else {
        FreeLines(l);
    }
    return t;
}

}  // namespace qv
