// The help's prose, one entry per page. What a page says is checked against what Quorvan does on
// Linux; where the help itself behaves differently from Quorvan, the page says so.
#include "help/page_text.h"

#include "platform/product.h"

#include <QHash>

namespace qv::help {

namespace {

struct Entry {
    Page page;
    const char* text;
};

const Entry kTexts[] = {
    {Page::MainWindow,
     "Quorvan's main window is pictured above.\n"
     "- Main Buttons: the main buttons along the top, the Reset buttons, and Preview, the final-action "
     "button "
     "(Rename and its other captions) and Undo.\n"
     "- Browsing Folders, Selecting Files: the Drive, Directory and File boxes and the Browse buttons.\n"
     "- Setting Rename Criteria: the Rename Criteria button.\n"
     "- Priority, Choice and Info: those three buttons at the bottom right.\n"
     "\n"
     "Pick a topic with the Show Topic button at the top left."},
    {Page::Introduction,
     "Quorvan renames, copies, moves and deletes the files you select, and sets their attributes. It stands "
     "alone: it needs no installation when your system has what it needs (see the Installation topic); it "
     "runs "
     "straight from its program folder.\n"
     "\n"
     "Quorvan refuses to run from inside the protected system folder (/usr/ unless your system names "
     "another).\n"
     "\n"
     "It renames files by their names alone and reads no metadata: no ID3 tags, no EXIF data."},
    {Page::Installation1,
     "Quorvan itself needs no installation; only what it depends on (listed above) must be on your system. "
     "On most Linux desktops the Qt 6 libraries come from the distribution's packages (on Debian and Ubuntu: "
     "qt6-base-dev, or the runtime libraries libqt6widgets6 and libqt6network6).\n"
     "\n"
     "Copy the program folder anywhere outside the system folder and start ./quorvan from it. When built "
     "from "
     "the sources, './quorvan.sh run' installs what is missing, builds the program into "
     "build/release/program and starts it."},
    {Page::Installation2,
     "If your system already has a newer Qt 6 than the one Quorvan was built with, keep the newer one: Qt 6 "
     "libraries stay compatible within version 6, so nothing needs to be replaced.\n"
     "\n"
     "Quorvan keeps its settings file Quorvan/Set.Kastrel beside the program, so the program folder must be "
     "one you may write in. Your user name, user picture and the records of the programs of the family are "
     "kept per user under $XDG_CONFIG_HOME (usually ~/.config)."},
    {Page::Features,
     "The main features are pictured above.\n"
     "For every action Quorvan looks for probable conflicts before it touches a file.\n"
     "\n"
     "The Options button allows limited changes: to the conflict rules, to showing Little Help from the "
     "start "
     "of the program, and to working inside the system folder, which is refused by default.\n"
     "\n"
     "Click Continue for more."},
    {Page::Options1,
     "The Options frame is pictured above.\n"
     "\n"
     "When an option is set to ignore a problem (\"Ignore it. Process file as it is.\"), a file with that "
     "problem, for example a name too short for the position asked, gets its new name from the other "
     "criteria "
     "only.\n"
     "\n"
     "Otherwise such files are marked as not processable, and Preview offers to unselect them or lets you "
     "change the criteria."},
    {Page::Options2,
     "\"Allow Working In System Folder\" lets Quorvan work inside the protected system folder. It is off by "
     "default.\n"
     "\n"
     "\"Show Little Help From Start Of Program\" opens Little Help every time Quorvan starts.\n"
     "\n"
     "\"Undo Possible? - Do Not Show This Message\" stops the warning that Quorvan shows before a new action "
     "while an earlier action can still be undone."},
    {Page::Options3,
     "A change of the options takes effect only with OK. Cancel keeps the old settings. Default puts every "
     "option back to its default.\n"
     "\n"
     "The Reset buttons do not reset the Little Help and Undo Possible options; Default does."},
    {Page::Browsing1,
     "Choose a drive (a mounted file system, such as / or /home) in the Drive box, then double-click a "
     "folder "
     "in the Directory box. That folder becomes the Working folder.\n"
     "\n"
     "Its files are listed in the File box, where all selecting is done.\n"
     "\n"
     "Click Continue to learn about the File Size button."},
    {Page::Browsing2,
     "With one file selected, its size is shown above the File box. With more than one, the File Size button "
     "gives their total size.\n"
     "\n"
     "Compare it with the space available on the destination drive, which the Selected Files Size box above "
     "the File box always shows.\n"
     "\n"
     "Click Continue to learn about the Browse buttons."},
    {Page::Browsing3,
     "The three Browse buttons:\n"
     "- Back: the previous folder, if any, becomes the Working folder again.\n"
     "- Forward: the next folder, if any.\n"
     "- Start: the program's own folder.\n"
     "\n"
     "The Drive, Directory and File boxes follow every change of the Working folder."},
    {Page::Criteria1,
     "Rename criteria are needed whenever the action includes renaming. The Rename Criteria button opens the "
     "window where they are set.\n"
     "\n"
     "This mock-up shows only Insert and Auto.\n"
     "\n"
     "The criteria that are set are shown at the bottom left of the main window, as in the Rename Criteria "
     "frame above."},
    {Page::Criteria2,
     "New names may use only: the dollar sign $, the dash -, the underscore _, the digits 0 to 9, and the "
     "letters a to z and A to Z.\n"
     "\n"
     "Try Insert and Auto in the mock-up above. OK must be clicked for the settings to take effect; the "
     "result "
     "is shown in the Rename Criteria frame.\n"
     "\n"
     "A space can be typed in the Insert text only while \"Include Space\" is ticked."},
    {Page::Criteria3,
     "Insert, in four steps:\n"
     "1. Tick Insert.\n"
     "2. Choose where to insert.\n"
     "3. When inserting after or before a number of characters or a string, type that number or string in "
     "the box that appears.\n"
     "4. Type the text in the \"Insert This\" box. Tick \"Include Space\" to allow spaces."},
    {Page::Criteria4,
     "Auto Number or Auto Letter, in four steps:\n"
     "1. Choose Number or Letter.\n"
     "2. Choose where to add it.\n"
     "3. When adding after or before a number of characters or a string, type that number or string.\n"
     "4. Type the starting number or letters in the \"Start From\" box.\n"
     "\n"
     "Auto Letter is up to 3 letters."},
    {Page::Criteria5,
     "The lowest starting Auto Number is 0.\n"
     "\n"
     "Leading zeros are chosen in the Zero Fill box; they cannot be typed in \"Start From\" (a start typed "
     "as "
     "007 becomes 7).\n"
     "\n"
     "The number of leading zeros shrinks as the number grows: with a zero fill of 2, 7 is written 007 and "
     "12 is written 012."},
    {Page::Criteria6,
     "The starting Auto Letter is 1 to 3 letters, small or capital (\"Small Letter\").\n"
     "\n"
     "The last letter runs up to Z, then starts again at A while the letter before it steps on; the same "
     "carry reaches the first letter.\n"
     "For example a start of FYX goes on with FYY, then FYZ, then FZA."},
    {Page::PriorityChoiceInfo,
     "The three buttons at the bottom right of the main window (when they are hidden, a Hide button there "
     "brings them back):\n"
     "- Priority sets the order in which Insert, Replace and Remove are applied.\n"
     "- Choice changes your user name and sets your user picture.\n"
     "- Info shows Little Help.\n"
     "\n"
     "Click Continue for more."},
    {Page::SettingPriority1,
     "The Priority button can be used only when the action includes renaming and at least two of Insert, "
     "Replace and Remove are set.\n"
     "\n"
     "Try changing the priority in the mock-up: the Current Priority frame shows the change as Quorvan "
     "does.\n"
     "\n"
     "Click Choice or Info to learn about those buttons."},
    {Page::SettingPriority2,
     "With all criteria set, renaming applies them in this order:\n"
     "1 Change Case, 2 Change Extension, 3 Change or remove Space, 4 Handle all instances of a character or "
     "a "
     "string, 5 Insert, 6 Replace, 7 Remove, 8 Auto (number or letters).\n"
     "\n"
     "Only Insert, Replace and Remove can change places.\n"
     "Hide hides the Priority frame."},
    {Page::UserNamePicture,
     "The \"Nalvo\" button opens a dialog to change the user name by which Quorvan (and this help) addresses "
     "you.\n"
     "\n"
     "The \"Pembrit\" button opens a window to choose a picture file (.jpg) as your user picture; it is "
     "shown "
     "left of the Choice button.\n"
     "\n"
     "Hide hides the Choice frame."},
    {Page::LittleHelp,
     "The Info button shows Little Help. It is built into Quorvan and, at every stage, tells what can or "
     "should be done next and how.\n"
     "\n"
     "An option (Options, \"Show Little Help From Start Of Program\") shows it from the start of the "
     "program.\n"
     "\n"
     "Hide hides it."},
    {Page::EasyProcess,
     "Setting rename criteria is too much work for a single file. Easy Process works on one file without "
     "them.\n"
     "\n"
     "To try it: tick Easy Process above, click a file name in the Example Files frame, type a new name and, "
     "if you like, a new extension, then click Rename. (Only the example changes here; no file is touched.)\n"
     "\n"
     "Any action works with Easy Process, but it helps most in renaming."},
    {Page::GettingHelp,
     "This help works together with Quorvan and opens from the Help button of Quorvan's Help frame.\n"
     "\n"
     "Little Help is built into Quorvan (see the Info button in the topic Priority, Choice and Info).\n"
     "\n"
     "More help is on the program's web site (Web Site in Quorvan's Help frame)."},
    {Page::UninstallUpdate,
     "As nothing was installed, removing Quorvan means deleting its program folder (with its Quorvan/ "
     "settings folder and this help in Help/). The per-user settings are in the file Holvent.ini under "
     "$XDG_CONFIG_HOME "
     "(usually ~/.config); delete it as well if you want nothing left behind.\n"
     "\n"
     "If Quorvan came from your distribution's packages, remove it with the package manager instead."},
    {Page::AboutHelp,
     "QuorvanHelp     %VERSION%\n"
     "\n"
     "No installation needed; this help works even without Quorvan on the machine.\n"
     "It needs Qt 6 (QtCore, QtGui, QtWidgets, QtNetwork) version 6.2 or later and a Linux desktop (X11 or "
     "Wayland).\n"
     "\n"
     "It is built into Quorvan's Help folder (Help/quorvanhelp), but it may lie in any folder and still "
     "opens "
     "from Quorvan's Help button once it has been started there one time."},
    {Page::MainButtons,
     "Quorvan's main buttons are pictured above: click any of them for its details.\n"
     "\n"
     "This description may be incomplete. The best way to learn Quorvan is to use it in Review Mode: only "
     "the final-action button (the Rename button, which has many captions) does nothing, so no file is "
     "changed, while everything else works as in Normal Mode.\n"
     "Review Mode is switched on with the Review Mode check box of the Action button."},
    {ButtonPage(1),
     "The File Selection button shows the Selection frame, where the selection criteria are set.\n"
     "The default criterion is Manual: for selecting files by hand in the File box you do not need this "
     "button.\n"
     "\n"
     "Click the items of the frame (also its text and check boxes when they are visible) for their details."},
    {ButtonPage(2),
     "OK stays disabled while the selection criteria are unchanged or incomplete.\n"
     "New criteria take effect only with OK."},
    {ButtonPage(3),
     "Cancel drops the changes, hides the Selection frame and keeps the old criteria.\n"
     "Until OK or Cancel, most other controls of Quorvan stay disabled. Clicking File Selection while the "
     "frame is open works as Cancel.\n"
     "\n"
     "In this help Cancel does not hide the frame; the File Selection button does."},
    {ButtonPage(4),
     "Ticked: when the Working folder changes, the new folder's files are selected by the criteria.\n"
     "Not ticked: the criteria fall back to Manual when the Working folder changes."},
    {ButtonPage(5),
     "The four kinds of selection:\n"
     "- Manual: no criteria; select by hand.\n"
     "- By Number: all files, or a given number of files.\n"
     "- By String: the files whose names contain the string.\n"
     "- By Extension: the files with that extension.\n"
     "\n"
     "The number, the string or the extension is typed in its box; the Case Sensitive box makes the search "
     "case sensitive."},
    {ButtonPage(6),
     "For every criterion except Manual, a maximum number of files to select can be set. An empty box or 0 "
     "means no limit.\n"
     "\n"
     "In this help the box takes any text and nothing is checked."},
    {ButtonPage(7),
     "Select all files of the Working folder, or a given number of them, typed in the Number of Files box.\n"
     "\n"
     "In this help the box takes any text and nothing is checked."},
    {ButtonPage(8),
     "The number of files to select. It may not be below 1 or above the Maximum Limit.\n"
     "\n"
     "In this help the box takes any text and nothing is checked."},
    {ButtonPage(9),
     "A number of files to skip before the selecting starts, for every criterion except Manual.\n"
     "Clicking a file in the File box shows its serial number, counted from 1 at the top, above the File "
     "box.\n"
     "\n"
     "In this help the box takes any text and nothing is checked."},
    {ButtonPage(10),
     "The string or the extension to select by is typed in this box.\n"
     "\n"
     "In this help the box takes any text and nothing is checked."},
    {ButtonPage(11),
     "Ticked: the search for the string or the extension is case sensitive.\n"
     "Not ticked: it is not."},
    {ButtonPage(12),
     "The Action button shows the Action frame. The default action is Rename.\n"
     "Review Mode is switched there too.\n"
     "\n"
     "Click the items of the frame for their details."},
    {ButtonPage(13),
     "Set Destination is enabled only when the action includes Copy or Move, which need a destination "
     "folder. "
     "It opens a window to browse drives and folders and to create a folder.\n"
     "\n"
     "Quorvan never copies files into the Working folder, not even with new names."},
    {ButtonPage(14),
     "OK stays disabled while the action is unchanged or incomplete.\n"
     "A new action takes effect only with OK."},
    {ButtonPage(15),
     "Cancel drops the changes, hides the Action frame and keeps the old action.\n"
     "Until OK or Cancel, most other controls stay disabled. Clicking Action while the frame is open works "
     "as "
     "Cancel.\n"
     "\n"
     "In this help Cancel does not hide the frame; the Action button does."},
    {ButtonPage(16),
     "The actions that can be set: Rename, Rename and Copy, Copy and Rename the copies only, Move and "
     "Rename, "
     "Copy, Move, Delete and Set Attributes.\n"
     "Copy or Move may need a destination folder (Set Destination); nothing is copied into the Working "
     "folder. The Set Attributes action needs an attribute."},
    {ButtonPage(17),
     "The attributes that can be set: Normal, ReadOnly, Hidden, System and Archive. One other than \"Don't "
     "Change\" must be chosen.\n"
     "\n"
     "On Linux, ReadOnly is the owner's write permission; Hidden, System and Archive are kept with the file "
     "in the extended attribute user.quorvan.attrib."},
    {ButtonPage(18),
     "Ticked: while copying, files of the same name in the destination folder are overwritten.\n"
     "Not ticked: such a file is a conflict, and you are offered ways to handle it.\n"
     "\n"
     "Overwritten files cannot be brought back."},
    {ButtonPage(19),
     "Ticked: Review Mode. Not ticked: Normal Mode.\n"
     "In Review Mode only the final-action button does nothing, so no file is touched.\n"
     "\n"
     "The advice: turn Review Mode on, show Little Help with the Info button at the bottom right, and try "
     "any "
     "action."},
    {ButtonPage(20),
     "The Help button shows the Help frame.\n"
     "Click its buttons for their details."},
    {ButtonPage(21),
     "The buttons of the Help frame:\n"
     "- Help shows this help when it is there; otherwise it says how to get it and set it up.\n"
     "- Web Site opens the default browser on the program's home page.\n"
     "- About shows or hides the About box.\n"
     "- Cancel hides the Help frame (in this help, the main Help button does that).\n"
     "- Little Help and Options follow the frame's note: Options sets Little Help to show from the start "
     "of the program, and the Info button at the bottom right shows it at any time."},
    {ButtonPage(22),
     "The Run button is visible only when another program of the same family is on the machine. It shows the "
     "Run frame, where that program is chosen.\n"
     "OK ends Quorvan and starts the chosen program, whose own Run button leads back.\n"
     "\n"
     "The Run frame of this help only shows itself."},
    {ButtonPage(23), "The Exit button ends Quorvan."},
    {ButtonPage(24),
     "The Reset buttons:\n"
     "- Selection: back to Manual; the selected files are unselected.\n"
     "- Action: back to Rename; the mode (Review or Normal) stays.\n"
     "- Criteria: voids the rename criteria.\n"
     "- Options: every option to its default except showing Little Help and the undo message.\n"
     "- Reset All: all of these."},
    {ButtonPage(25),
     "This button reads Preview or Finalize, depending on the action. It lists the new names when the action "
     "includes renaming, otherwise only the files the action will act on.\n"
     "First it checks for conflicts by the rules set in Options and offers ways to handle them.\n"
     "It is disabled until everything needed is set."},
    {ButtonPage(26),
     "The final-action button. Its caption names the action.\n"
     "It is disabled until everything is ready for the final action."},
    {ButtonPage(27),
     "Cancel abandons the action at the final stage; it is disabled until then.\n"
     "\n"
     "Undo undoes the last action. That is possible until the next action or the end of the program, "
     "whichever comes first; Undo is disabled when there is nothing to undo. A Delete cannot be undone."},
    {ButtonPage(28),
     "The Rename Criteria button opens the window where the rename criteria are set. The criteria that are "
     "set are summarised at the bottom left of the main window.\n"
     "It is disabled when the action does not include renaming.\n"
     "\n"
     "See the topic Setting Rename Criteria, which a second click on this button opens."},
    {ButtonPage(29),
     "The Options button shows the Options frame.\n"
     "\n"
     "See the topic Features and Options, which a second click on this button opens."},
};

}  // namespace

QString PageText(Page page, const QString& helpVersion) {
    static const QHash<int, QString> texts = [] {
        QHash<int, QString> h;
        for (const Entry& e : kTexts) h.insert(static_cast<int>(e.page), QString::fromUtf8(e.text));
        return h;
    }();
    QString text = texts.value(static_cast<int>(page));
    text.replace(QStringLiteral("%VERSION%"), helpVersion);
    return text;
}

IntroTexts PageIntroTexts(Page page) {
    switch (page) {
        case Page::GettingHelp:
            return {
                QStringLiteral("The best way to get help is to use Quorvan in Review Mode with Little Help "
                               "visible: in Review Mode only the final-action button does nothing, and "
                               "everything else works as in Normal Mode."),
                QStringLiteral("Click Info to show Little Help.\n"
                               "Click Action and tick the Review Mode check box to turn Review Mode on.\n"
                               "Untick it to return to Normal Mode.")};
        case Page::UninstallUpdate:
            return {
                QStringLiteral(
                    "To Uninstall : delete the program folder (quorvan, Quorvan/ and Help/); if you "
                    "want, delete the per-user settings file ~/.config/Holvent.ini as well."),
                QStringLiteral("To Update   : replace the old 'quorvan' with the latest version from the "
                               "program's web site, or build it anew with './quorvan.sh run'; the same for "
                               "'Help/quorvanhelp'. The settings file Quorvan/Set.Kastrel can stay.")};
        case Page::AboutHelp:
            return {QStringLiteral("Quorvan is a simple program; this help is offered all the same, for "
                                   "whoever wants to know it better."),
                    QStringLiteral("Holvent\n") + QString::fromUtf8(kProductWebAddress)};
        default:
            return {};
    }
}

}  // namespace qv::help
