#include "mainwindow/control_forms.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "core/folders.h"
#include "core/message.h"
#include "core/panel_calls.h"
#include "core/state.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_move.h"
#include "forms/forms_fit.h"
#include "platform/services.h"

namespace qv {

namespace {

void RefuseFolderName() {
    S.MessageKey = MessageId::MessageOnlyReadyMsg;
    S.MessageReadyText = QStringLiteral(
        "In new Folder name you can use only Alphabets and Digits 0 to 9. No other Character can be "
        "included.");
    MessageShowReady();
}

bool ValidFolderName(const QString& name) {
    for (QChar c : name)
        if (!IsFolderNameLetter(c))
            return false;
    return !name.isEmpty();
}

// The folder could not be made, renamed or removed (no permission, gone meanwhile): which folder,
// and the system's words without the paths the platform put before them.
void ReportFolderActionFailed(const QString& folder, const PlatformError& e) {
    const QString text = e.message();
    const qsizetype at = text.lastIndexOf(QStringLiteral(": "));
    S.MessageKey = MessageId::MessageSingleActionError;
    S.MessageBugDetail = QStringLiteral("Folder : ") + folder + QStringLiteral("\r\nReason : ") +
                         (at < 0 ? text : text.mid(at + 2));
    MessageShowWork();
}

void ReportFolderNotEmpty() {
    S.MessageKey = MessageId::MessageFolderNotEmpty;
    S.MessageReadyText = QStringLiteral(
        "The Folder is not empty any more, so it can not be Deleted. Only an empty Folder can be Deleted.");
    MessageShowReady();
}

void ReportNameTaken() {
    S.MessageKey = MessageId::MessageFolderNameSame;
    MessageShowWork();
}

void ShowBorderedPath(TextBox* box, const QString& path) {
    if (!box)
        return;
    box->SetText(path);
    box->SetBorderStyle(path.isEmpty() ? 0 : 1);
}

// A folder list's path, or a safe place when the folder cannot be opened any more.
void SetDirPath(DirListBox* dir, const QString& path) {
    if (!dir)
        return;
    try {
        dir->SetPath(path);
    } catch (const PlatformError&) {
        dir->SetPath(WithoutTrailingSlash(S.StartFolder));
    }
}

// The main window's folder list shows the sub-folders of the work folder: it is read again when one
// of them was made, renamed or removed.
void RefreshWorkFolderListIfIn(const QString& parent) {
    if (WithTrailingSlash(parent) == S.WorkPath && frmMain().Loaded() && frmMain().Dir1)
        frmMain().Dir1->Refresh();
}

void FramesAgain() {
    S.SetNullKey = SetNullId::setNullFramesActionMove;
    SetNullByTag();
}

}  // namespace

bool FolderListsTakeDrive(DriveListBox& drives, DirListBox& dirs, QString& driveObject,
                          QString& driveLetter) {
    const QString previous = driveObject;
    FileSystem& fs = fileSystem();
    try {
        const QString drive = drives.Drive();
        if (!fs.DriveIsReady(drive))
            throw PlatformError(QStringLiteral("Drive not ready: %1").arg(drive));
        // A folder list already on that drive stays where it is (the drive list follows the folder
        // list as well as leading it).
        QString current;
        try {
            current = fs.GetDriveName(dirs.Path());
        } catch (const PlatformError&) {
        }
        if (current != drive)
            dirs.SetPath(drive);
        GetPathDrive(dirs.Path(), driveObject, driveLetter);
        return true;
    } catch (const PlatformError&) {
        try {
            drives.SetDrive(previous);
        } catch (const PlatformError&) {
        }
        S.MessageKey = MessageId::MessageDriveNotReady;
        MessageShowWork();
        return false;
    }
}

void ControlFormsSetWorkPath() {
    S.WorkDirPath = frmMain().Dir1->Path();
    S.WorkPath = WithTrailingSlash(S.WorkDirPath);
    S.WorkPathUpper = S.WorkPath;
    S.LastFolder = S.WorkDirPath;
    // Neither the system folder tree nor the start folder is remembered for the next start.
    if (IsInSystemTree(S.WorkPathUpper))
        S.LastFolder.clear();
    if (S.WorkPathUpper == S.ProgPathUpper)
        S.LastFolder.clear();
}

void ControlFormsWorkDirChange() {
    DirListBox* dir = frmMain().Dir1;
    // The whole tree below the system folder is refused, not only the folder itself.
    if (!S.AllowSystemFolders && IsInSystemTree(S.WorkPathUpper)) {
        QString back = S.FolderHistoryPos >= 0 && S.FolderHistoryPos < S.FolderHistory.size()
                           ? S.FolderHistory.at(S.FolderHistoryPos)
                           : QString();
        if (back.isEmpty() || IsInSystemTree(back))
            back = WithoutTrailingSlash(S.StartFolder);
        S.SystemFolderRefused = true;
        SetDirPath(dir, back);
        dir->Refresh();
        return;
    }
    const QString path = dir->Path();
    if (S.FolderHistory.isEmpty() || S.FolderHistory.at(0).isEmpty()) {
        S.FolderHistory = QStringList{path};
        S.FolderHistoryCount = 0;
        S.FolderHistoryPos = 0;
        return;
    }
    if (IsInSystemTree(S.WorkPathUpper)) {
        S.WorkInSystemFolder = true;
        if (S.SystemHistoryMark == kNoHistoryMark)
            S.SystemHistoryMark = S.FolderHistoryCount;
    } else {
        S.WorkInSystemFolder = false;
        S.SystemHistoryMark = kNoHistoryMark;
    }
    for (int i = 0; i <= S.FolderHistoryCount && i < S.FolderHistory.size(); ++i) {
        if (S.FolderHistory.at(i) == path) {
            S.FolderHistoryPos = i;
            return;
        }
    }
    const int n = S.FolderHistoryCount + 1;
    S.FolderHistoryCount = n;
    S.FolderHistoryPos = n;
    while (S.FolderHistory.size() > n) S.FolderHistory.removeLast();
    while (S.FolderHistory.size() < n) S.FolderHistory.append(QString());
    S.FolderHistory.append(path);
}

void ControlFormsSetPaths() {
    if (S.WorkInSystemFolder) {
        int mark = S.SystemHistoryMark;
        if (mark == kNoHistoryMark || mark < 0)
            mark = 0;
        if (mark >= S.FolderHistory.size())
            mark = S.FolderHistory.size() - 1;
        S.FolderHistoryCount = mark;
        S.FolderHistoryPos = mark;
        while (S.FolderHistory.size() > mark + 1) S.FolderHistory.removeLast();
        S.SystemHistoryMark = kNoHistoryMark;
        S.WorkInSystemFolder = false;
        QString target = mark >= 0 ? S.FolderHistory.value(mark) : QString();
        // Never back into the tree that is being closed.
        if (target.isEmpty() || IsInSystemTree(target))
            target = WithoutTrailingSlash(S.StartFolder);
        SetDirPath(frmMain().Dir1, target);
        frmMain().Dir1->Refresh();
    }
    if (S.DestInSystemFolder) {
        S.MoveLastPath = frmMain().Dir1->Path();
        SetDirPath(frmMove().Dir1, S.MoveLastPath);
        S.DestPath = S.WorkPath;
        S.DestPathChosen = false;
        S.DestPathCommitted = S.DestPath;
        S.DestPathUpper = S.DestPath;
        S.DestInSystemFolder = false;
        if (NeedsDestination(CurrentAction())) {
            frmMain().TextActionDestination->SetText(S.DestPath);
        }
    }
}

void ControlFormsCreateFolder(const QString& parent, const QString& name) {
    if (name.isEmpty())
        return;
    if (!ValidFolderName(name)) {
        RefuseFolderName();
        return;
    }
    const QString path = WithTrailingSlash(parent) + name;
    FileSystem& fs = fileSystem();
    if (fs.FolderExists(path) || fs.FileExists(path)) {
        ReportNameTaken();
        return;
    }
    try {
        fs.MakeFolder(path);
    } catch (const PlatformError& e) {
        ReportFolderActionFailed(path, e);
        return;
    }
    // The list holds a chain: each made folder lies in the one before it.
    const QString parentFolder = WithoutTrailingSlash(parent);
    if (S.MadeFolderCount <= 0 || S.MadeFolders.size() <= S.MadeFolderCount ||
        S.MadeFolders.at(S.MadeFolderCount) != parentFolder) {
        S.MadeFolderCount = 0;
        S.MadeFolders = QStringList{parentFolder};
    }
    RefreshWorkFolderListIfIn(parent);
    FrmMove& f = frmMove();
    SetDirPath(f.Dir1, path);
    f.Dir1->Refresh();
    f.TextActionMoveCreate->SetText(QString());
    ShowBorderedPath(f.TextActionMovePath, S.DestPathPending);
    S.MadeFolderCount += 1;
    while (S.MadeFolders.size() > S.MadeFolderCount) S.MadeFolders.removeLast();
    S.MadeFolders.append(path);
    S.MoveCreateMode = false;
    FramesAgain();
}

void ControlFormsDeleteFolder() {
    if (S.MadeFolderCount < 1 || S.MadeFolders.size() <= S.MadeFolderCount)
        return;
    // Only the innermost made folder, and only while it is empty.
    const QString last = S.MadeFolders.at(S.MadeFolderCount);
    FileSystem& fs = fileSystem();
    if (fs.FolderExists(last)) {
        try {
            if (!fs.FileNames(last).isEmpty() || !fs.FolderNames(last).isEmpty()) {
                ReportFolderNotEmpty();
                return;
            }
            fs.RemoveFolder(last);
        } catch (const PlatformError& e) {
            ReportFolderActionFailed(last, e);
            return;
        }
    }
    // (A made folder that is gone already only leaves the list.)
    S.MadeFolderCount -= 1;
    while (S.MadeFolders.size() > S.MadeFolderCount + 1) S.MadeFolders.removeLast();
    const QString parent = S.MadeFolders.at(S.MadeFolderCount);
    DirListBox* dir = frmMove().Dir1;
    SetDirPath(dir, parent);
    dir->Refresh();
    RefreshWorkFolderListIfIn(parent);
    FramesAgain();
}

void ControlFormsRenameFolder() {
    FrmMove& f = frmMove();
    const QString name = f.TextActionMoveNewName->Text();
    if (name.isEmpty())
        return;
    if (S.MadeFolderCount < 1 || S.MadeFolders.size() <= S.MadeFolderCount)
        return;
    // The same rule as for a new folder: a name with "/" or ".." would move the folder elsewhere.
    if (!ValidFolderName(name)) {
        RefuseFolderName();
        return;
    }
    const QString from = S.MadeFolders.at(S.MadeFolderCount);
    const QString parent = S.MadeFolders.at(S.MadeFolderCount - 1);
    const QString to = WithTrailingSlash(parent) + name;
    if (to != from) {
        FileSystem& fs = fileSystem();
        // A rename onto an existing empty folder would replace it.
        if (fs.FolderExists(to) || fs.FileExists(to)) {
            ReportNameTaken();
            return;
        }
        try {
            fs.Rename(from, to);  // never replaces an existing folder
        } catch (const PlatformError& e) {
            ReportFolderActionFailed(from, e);
            return;
        }
        S.MadeFolders[S.MadeFolderCount] = to;
        SetDirPath(f.Dir1, to);
        f.Dir1->Refresh();
        RefreshWorkFolderListIfIn(parent);
    }
    f.TextActionMoveNewName->SetText(QString());
    ShowBorderedPath(f.TextActionMovePath, S.DestPathPending);
    S.MoveRenameMode = false;
    FramesAgain();
}

// --- Window sizes that follow the font

double FontScale() {
    // Line height and width of a sample at the design font (Sans Serif, 9 points, 96 dots an inch).
    constexpr double kDesignLine = 14.0, kDesignSample = 205.0;
    const QFontMetrics fm(QApplication::font());
    const double width =
        fm.horizontalAdvance(QStringLiteral("Copy and Rename the copies only")) / kDesignSample;
    return std::max({1.0, fm.lineSpacing() / kDesignLine, width});
}

void FixFormSize(Form& form) {
    if (QWidget* w = form.Window())
        w->setFixedSize(form.Width(), form.Height());
}

void FitFormToFont(Form& form, bool fixSize) {
    ScaleFormLayout(form, FontScale());
    if (fixSize)
        FixFormSize(form);
}

void FitFormToFontAndScreen(Form& form, QPoint place) {
    const double grow = FontScale();
    const QSize grown(static_cast<int>(form.Width() * grow), static_cast<int>(form.Height() * grow));
    const double k = grow * ScreenFit(grown, place);
    if (k < grow) {
        if (QWidget* w = form.Window())
            w->setFont(FontAtScale(w->font(), k / grow));
    }
    ScaleFormLayout(form, k);
    FixFormSize(form);
}

namespace {

// Room for a text in the control: its width less what the style draws beside it (an option's
// circle, a frame's border, a box's margins).
int TextRoom(const Control& control) {
    const QWidget* w = control.Widget();
    int room = w->width();
    if (control.Kind() == ControlKind::OptionButton || control.Kind() == ControlKind::CheckBox)
        room -= w->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 8;
    else if (control.Kind() == ControlKind::Frame)
        room -= 16;
    else if (control.Kind() == ControlKind::TextBox)
        room -= 8;
    return room;
}

// Whether the text shows whole: on one line, or in a box of several lines wrapped to its width.
bool ShowsWhole(const QWidget* w, int room, const QString& text) {
    if (const auto* lines = qobject_cast<const QPlainTextEdit*>(w)) {
        // Laid out as the box lays it out: it breaks lines after a "/" too, not only at spaces.
        QTextLayout layout(text, lines->font());
        QTextOption option;
        option.setWrapMode(lines->wordWrapMode());
        layout.setTextOption(option);
        const qreal margin = lines->document()->documentMargin();
        qreal height = 2 * margin;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(lines->viewport()->width() - 2 * margin);
            height += line.height();
        }
        layout.endLayout();
        return height <= lines->viewport()->height();
    }
    return w->fontMetrics().horizontalAdvance(text) <= room;
}

// What a control shows of its text, the whole text kept by the control: a caption's widget text, what
// a box draws while the user is not in it.
void ShowText(Control& control, const QString& shown) {
    QWidget* w = control.Widget();
    if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(shown);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(shown);
    else if (control.Kind() == ControlKind::TextBox)
        static_cast<TextBox&>(control).SetShownText(shown);  // the box keeps its whole text
}

// A caption shown shortened is still read out whole: the control is named by it, unless it has a
// name of its own.
void NameByWhole(QWidget* w, const QString& text, bool whole) {
    static const char* const kGiven = "nameByWholeCaption";
    const QString given = w->property(kGiven).toString();
    if (!w->accessibleName().isEmpty() && w->accessibleName() != given)
        return;
    const QString name = whole ? QString() : text;
    w->setAccessibleName(name);
    w->setProperty(kGiven, name);
}

void TellWhole(Control& control, const QString& text, bool whole) {
    control.SetToolTipText(whole ? QString() : text);
    control.Widget()->setAccessibleDescription(whole ? QString() : text);
    if (auto* edit = qobject_cast<QLineEdit*>(control.Widget()))
        edit->setCursorPosition(0);
    if (auto* lines = qobject_cast<QPlainTextEdit*>(control.Widget())) {
        lines->moveCursor(QTextCursor::Start);
        lines->ensureCursorVisible();
    }
}

}  // namespace

namespace {

// A box that may show its text shortened is one the keyboard reaches, to read and copy it whole.
void MakeReadStop(Control& control) {
    if (control.Kind() == ControlKind::TextBox)
        static_cast<TextBox&>(control).SetReadStop(true);
}

}  // namespace

void ShowWholeTextOnDemand(Control& control, const QString& text) {
    QWidget* w = control.Widget();
    if (!w)
        return;
    MakeReadStop(control);
    const int room = TextRoom(control);
    const bool whole = ShowsWhole(w, room, text);
    // A frame draws its caption shortened itself; a box of several lines shows what fits.
    if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)) {
        ShowText(control, whole ? text : w->fontMetrics().elidedText(text, Qt::ElideRight, room));
        NameByWhole(w, text, whole);
    } else if (qobject_cast<QLineEdit*>(w)) {
        ShowText(control, whole ? text : w->fontMetrics().elidedText(text, Qt::ElideRight, room));
    }
    TellWhole(control, text, whole);
}

void ShowPathEnd(Control& control, const QString& path) {
    QWidget* w = control.Widget();
    if (!w)
        return;
    MakeReadStop(control);
    const int room = TextRoom(control);
    const bool whole = ShowsWhole(w, room, path);
    QString shown = path;
    if (!whole) {
        const QChar ellipsis(0x2026);
        // The last folder or file, with the separator before it.
        const qsizetype cut = path.lastIndexOf(QLatin1Char('/'), path.endsWith(QLatin1Char('/')) ? -2 : -1);
        const qsizetype last = cut < 0 ? path.size() : path.size() - cut;
        shown = QString(ellipsis);
        for (qsizetype keep = path.size() - 1; keep > 0; --keep) {
            // The end keeps its last name whole while it can; the rest is shared with the start.
            const qsizetype tail = std::min(keep, std::max(last, keep / 2));
            const QString candidate = path.left(keep - tail) + ellipsis + path.right(tail);
            if (ShowsWhole(w, room, candidate)) {
                shown = candidate;
                break;
            }
        }
    }
    ShowText(control, shown);
    TellWhole(control, path, whole);
}

}  // namespace qv
