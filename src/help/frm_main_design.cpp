// The help window's layout. Controls on the window are placed in pixels, controls inside frames in
// twips.
#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "forms/forms_fit.h"
#include "help/frm_main.h"
#include "help/pictures.h"
#include "platform/services.h"

namespace qv::help {

namespace {

constexpr int kIntroLeft = 252, kIntroTop = 40, kIntroWidth = 656, kIntroHeight = 440;

// Picture buttons, images and text boxes get their name for assistive tools here.
template <class T>
T* Named(T* c, const QString& name) {
    c->SetAccessibleName(name);
    return c;
}

// The container a row names, from the frame a design step is given.
QString In(const Control* c) {
    return c->Index() >= 0 ? QStringLiteral("%1(%2)").arg(c->Name()).arg(c->Index()) : c->Name();
}

}  // namespace

void FrmMain::Design() {
    DesignWindow();
    DesignPictureFrames();
    ScaleLayout();
    WireMockups();
}

int FrmMain::U(int length) const {
    return static_cast<int>(std::lround(length * layoutUnit_));
}

// The window is designed for a font of kDesignFontHeight pixels. A larger font grows the whole layout
// in step; a screen too small for the grown window takes the layout and the font down together. The
// layout is kept in design units (U) rather than rounded-down edges, and the font goes down in
// proportion to it.
void FrmMain::ScaleLayout() {
    if (!Loaded())
        return;
    const QFontMetricsF fm(FormFont(*this));
    const double grow = std::max({1.0, fm.height() / kDesignFontHeight,
                                  fm.horizontalAdvance(QLatin1String(kDesignSample)) / kDesignSampleWidth});
    layoutUnit_ = 1.0;
    // The layout does not follow a resize: the window keeps the size it is laid out for, so that no
    // frame is cut off at its edge (and the window manager offers no resize grips).
    FitForm(*this, {.place = HelpWindowPlace(),
                    .border = kWindowBorder,
                    .title = kWindowTitleBar,
                    .grow = grow,
                    .scale = [this](double k) { ScaleControls(k); },
                    .fontDown = FitRule::FontDown::InProportion,
                    .wholePixels = false});
    // The drawings fill their frames at the size the frames now have.
    for (Image* img : ImageIntro.items())
        img->SetPicture(FrameDrawing(img->Index(), img->Width() / kTwipsPerPixel,
                                     img->Height() / kTwipsPerPixel, FormFont(*this)));
}

void FrmMain::ScaleControls(double k) {
    layoutUnit_ = k;
    // A control clear of its frame's right or bottom side stays clear: rounding may bring it onto
    // the side, and at a fractional display scale it would then hide that side.
    struct Clear {
        Control* held;
        bool right, bottom;
    };
    std::vector<Clear> clear;
    for (const auto& c : Controls()) {
        const auto* frame = dynamic_cast<const Frame*>(c->Container());
        if (!frame || frame->BorderStyle() == 0)
            continue;
        const QRect at = PlaceInContainer(*c), room = InsideOf(*frame).adjusted(0, 0, -2, -2);
        clear.push_back({c.get(), at.right() <= room.right(), at.bottom() <= room.bottom()});
    }
    for (const auto& c : Controls())
        if (c->Kind() != ControlKind::Line)
            c->Move(U(c->Left()), U(c->Top()), U(c->Width()), U(c->Height()));
    for (const Clear& k : clear) {
        const QRect at = PlaceInContainer(*k.held);
        const QRect room = InsideOf(*k.held->Container()).adjusted(0, 0, -2, -2);
        const int width = k.right && at.right() > room.right() ? room.right() - at.left() + 1 : at.width();
        const int height =
            k.bottom && at.bottom() > room.bottom() ? room.bottom() - at.top() + 1 : at.height();
        if (width != at.width() || height != at.height())
            k.held->Move(k.held->Left(), k.held->Top(), width * kTwipsPerPixel, height * kTwipsPerPixel);
    }
    Move(Left(), Top(), U(Width()), U(Height()));
}

QPoint HelpWindowPlace() {
    System& sys = systemServices();
    const int top = sys.ScreenHeightTwips() < 10000 ? 400 : 700;
    const int left = sys.ScreenWidthTwips() < 13000 ? 400 : 700;
    return {left / kTwipsPerPixel, top / kTwipsPerPixel};
}

void FrmMain::DesignWindow() {
    Move(0, 0, 920, 656);
    Place({
        {&PictureMain, "PictureMain", "", 880, 6, 24, 24},
        {&CommandTopic, "CommandTopic", "", 12, 6, 132, 30, "Show Topic"},
        {&CommandActivate, "CommandActivate", "", 156, 6, 180, 30},
        {&LabelParent, "LabelParent", "", 346, 12, 400, 20},
        {&CommandExit, "CommandExit", "", 760, 6, 110, 30, "Exit"},
        {&FrameTopic, "FrameTopic", "", 12, 40, 232, 300, "Topics"},
    });
    Named(PictureMain, QStringLiteral("Help window"));
    int row = 0;
    for (int i = 0; i < kTopicSlots; ++i) {
        if (!IsTopic(i))
            continue;
        const QString caption = QString::fromLatin1(TopicCaption(i));
        if (i == 0) {
            Place({{&OptionTopic, i, "OptionTopic", "FrameTopic", 120, 240, 3200, 300, caption}});
            OptionTopic[i]->SetVisible(false);  // the start page: chosen when the list goes away
            continue;
        }
        Place({{&OptionTopic, i, "OptionTopic", "FrameTopic", 90, 300 + row * 370, 3360, 330, caption}});
        ++row;
    }
    FrameTopic->SetVisible(false);
    Place({
        {&FrameHide, "FrameHide", "", 12, 344, 232, 44},
        {&CommandHide, "CommandHide", "FrameHide", 0, 60, 3480, 480, "Hide Topic List"},
        {&FrameHelp, "FrameHelp", "", 12, 40, 232, 348, "Help On Help"},
        {&LabelHelpOnHelp, "LabelHelpOnHelp", "FrameHelp", 150, 300, 3180, 4800,
         QStringLiteral(
             "Show Topic opens the list of topics; the same button (then Hide Topic) closes it and "
             "brings back this start page.\n\n"
             "Back and Continue, at the right of the details below, walk a topic page by page. "
             "From the third page on, Restart Topic goes back to its first page.\n\n"
             "Activate starts Quorvan; it is there only when Quorvan was found.\n\n"
             "Exit, or closing the window, ends the help.")},
        {&FrameView, "FrameView", "", 12, 392, 232, 88},
        {&ImageUser, "ImageUser", "FrameView", 120, 180, 900, 1020},
        {&LabelGreeting, "LabelGreeting", "FrameView", 1140, 240, 2220, 960},
        {&FrameInfo, "FrameInfo", "", 12, 488, 896, 160},
        {&LabelInfo, "LabelInfo", "FrameInfo", 150, 270, 11000, 2000},
        {&FrameGo, "FrameGo", "FrameInfo", 11300, 240, 1950, 1050},
        {&ImageGoBack, "ImageGoBack", "FrameGo", 120, 150, 720, 600},
        {&ImageGoContinue, "ImageGoContinue", "FrameGo", 1080, 150, 720, 600},
        {&FrameRestart, "FrameRestart", "FrameInfo", 11300, 1400, 1950, 700},
        {&CommandRestart, "CommandRestart", "FrameRestart", 60, 60, 1830, 480, "Restart Topic"},
    });
    FrameHide->SetBorderStyle(0);
    FrameHide->SetVisible(false);
    LabelHelpOnHelp->SetWordWrap(true);
    FrameView->SetVisible(false);  // shown for a user with a name or a picture
    Named(ImageUser, QStringLiteral("User picture"));
    ImageUser->SetStretch(true);
    LabelGreeting->SetWordWrap(true);
    LabelInfo->SetWordWrap(true);
    FrameGo->SetBorderStyle(0);
    Named(ImageGoBack, QStringLiteral("Back"));
    Named(ImageGoContinue, QStringLiteral("Continue"));
    // The arrows take the size of their place, which follows the window's scale.
    ImageGoBack->SetStretch(true);
    ImageGoContinue->SetStretch(true);
    FrameGo->SetVisible(false);
    FrameRestart->SetBorderStyle(0);
    FrameRestart->SetVisible(false);

    CommandTopic->Click = [this] { CommandTopic_Click(); };
    CommandHide->Click = [this] { CommandHide_Click(); };
    for (OptionButton* o : OptionTopic.items()) {
        const int i = o->Index();
        o->Click = [this, i] { OptionTopic_Click(i); };
    }
    CommandRestart->Click = [this] { CommandRestart_Click(); };
    CommandActivate->Click = [this] { CommandActivate_Click(); };
    CommandExit->Click = [this] { CommandExit_Click(); };
    ImageGoBack->Click = [this] { ImageGoBack_Click(); };
    ImageGoContinue->Click = [this] { ImageGoContinue_Click(); };
    // The pressed faces; the released face comes back with the button.
    ImageGoBack->MouseDown = [this](int) {
        ImageGoBack->SetLeft(U(60));
        ImageGoBack->SetPicture(BackArrow(1));
    };
    ImageGoBack->MouseUp = [this](int) {
        ImageGoBack->SetLeft(U(120));
        ImageGoBack->SetPicture(BackArrow(ImageGoBack->Enabled() ? 0 : 2));
    };
    ImageGoContinue->MouseDown = [this](int) { ImageGoContinue->SetPicture(ContinueArrow(1)); };
    ImageGoContinue->MouseUp = [this](int) {
        ImageGoContinue->SetPicture(ContinueArrow(ImageGoContinue->Enabled() ? 0 : 2));
    };
}

void FrmMain::DesignPictureFrames() {
    const int w = kIntroWidth * kTwipsPerPixel, h = kIntroHeight * kTwipsPerPixel;
    for (int i = 0; i <= 10; ++i) {
        Place({{&FrameIntro, i, "FrameIntro", "", kIntroLeft, kIntroTop, kIntroWidth, kIntroHeight}});
        FrameIntro[i]->SetVisible(false);
    }
    // Frame 0: what the program needs.
    Place({{&LabelDepends, "LabelDepends", "FrameIntro(0)", 300, 360, w - 600, h - 600,
            QStringLiteral("Quorvan and QuorvanHelp need:\n\n"
                           "  - Linux with a graphical desktop (X11 or Wayland)\n"
                           "  - Qt 6 (QtCore, QtGui, QtWidgets, QtNetwork), version 6.2 or later\n"
                           "  - the C++ runtime of the system (libstdc++)\n"
                           "  - a screen of at least 767 by 567 pixels\n\n"
                           "The program folder holds:\n\n"
                           "  quorvan                the program\n"
                           "  Quorvan/Set.Kastrel    its settings file (made at the first close)\n"
                           "  Help/quorvanhelp       this help\n\n"
                           "Per-user settings: $XDG_CONFIG_HOME (usually ~/.config)")}});
    LabelDepends->SetWordWrap(true);
    // Frames 1, 2, 6 and 10: drawings.
    for (int i : {1, 2, 6, 10}) {
        Place({{&ImageIntro, i, "ImageIntro", In(FrameIntro[i]), 150, 270, w - 300, h - 420}});
        Image* img = ImageIntro[i];
        // The drawing is made at the screen's pixel density: it keeps its place, not its pixel count.
        img->SetStretch(true);
        Named(img, QStringLiteral("Picture: ") + (i == 1   ? QStringLiteral("Quorvan and QuorvanHelp")
                                                  : i == 2 ? QStringLiteral("main features")
                                                  : i == 6 ? QStringLiteral("Quorvan main window")
                                                           : QStringLiteral("Options frame")));
        // A screen reader reads what the drawing of the main window points out.
        if (i == 6) {
            QString parts = MainWindowDrawingLabels().join(QStringLiteral("; "));
            SetAccessibleDescription(*img, parts.replace(QLatin1Char('\n'), QLatin1Char(' ')));
        }
    }
    // Frame 3: two text labels.
    Place({
        {&LabelIntroMe, 0, "LabelIntroMe", "FrameIntro(3)", 300, 400, w - 600, 2600},
        {&LabelIntroMe, 1, "LabelIntroMe", "FrameIntro(3)", 300, 3200, w - 600, 3000},
    });
    for (Label* l : LabelIntroMe.items()) l->SetWordWrap(true);
    DesignMainButtons(FrameIntro[5]);
    DesignCriteria(FrameIntro[7]);
    DesignPriority(FrameIntro[8]);
    DesignEasy(FrameIntro[9]);
}

void FrmMain::DesignMainButtons(Frame* host) {
    const QString in = In(host);
    const QStringList main = {QStringLiteral("File Selection"),
                              QStringLiteral("Action"),
                              QStringLiteral("Help"),
                              QStringLiteral("Run"),
                              QStringLiteral("Rename Criteria"),
                              QStringLiteral("Options"),
                              QStringLiteral("Exit")};
    const int widths[] = {1560, 1080, 960, 960, 1740, 1200, 960};
    int left = 150;
    for (int i = 0; i < main.size(); ++i) {
        Place({{&CommandMain, i, "CommandMain", in, left, 300, widths[i], 450, main[i]}});
        left += widths[i] + 90;
    }
    for (int i = 0; i < 4; ++i) {
        Place({{&FrameMain, i, "FrameMain", in, 240, 840, 7000, 5500, main[i]}});
        FrameMain[i]->SetVisible(false);
    }
    DesignSelection(FrameMain[0]);
    DesignAction(FrameMain[1]);

    // Quorvan's Help frame: its four buttons, then the two its note sends the user to.
    const QStringList help = {QStringLiteral("Help"),        QStringLiteral("Web Site"),
                              QStringLiteral("About"),       QStringLiteral("Cancel"),
                              QStringLiteral("Little Help"), QStringLiteral("Options")};
    for (int i = 0; i < help.size(); ++i)
        Place({{&CommandHelpOK, i, "CommandHelpOK", "FrameMain(2)", 300, 400 + i * 600, 2200, 480, help[i]}});
    Place({
        {&LabelHelpOption, "LabelHelpOption", "FrameMain(2)", 2800, 400, 3900, 900,
         "To view Little Help from start of the Program please press Options to set that option."},
        {&ComboRun, "ComboRun", "FrameMain(3)", 300, 400, 3000, 330},
        {&CommandRunOK, 0, "CommandRunOK", "FrameMain(3)", 300, 1000, 1250, 450, "OK"},
        {&CommandRunOK, 1, "CommandRunOK", "FrameMain(3)", 1700, 1000, 1250, 450, "Cancel"},
        {&LabelResetTitle, "LabelResetTitle", in, 7500, 870, 2200, 270, "Reset :"},
    });
    LabelHelpOption->SetWordWrap(true);
    Named(ComboRun, QStringLiteral("Program to run"));
    ComboRun->AddItem(QStringLiteral("Plenvix"));
    const QStringList reset = {QStringLiteral("Selection"), QStringLiteral("Action"),
                               QStringLiteral("Criteria"), QStringLiteral("Options"),
                               QStringLiteral("Reset All")};
    for (int i = 0; i < reset.size(); ++i)
        Place({{&CommandReset, i, "CommandReset", in, 7500, 1170 + i * 420, 2200, 390, reset[i]}});
    Place({{&LabelJobTitle, "LabelJobTitle", in, 7500, 3400, 2200, 270, "Job :"}});
    const QStringList job = {QStringLiteral("Preview"), QStringLiteral("Rename"), QStringLiteral("Cancel"),
                             QStringLiteral("Undo")};
    for (int i = 0; i < job.size(); ++i)
        Place({{&CommandJob, i, "CommandJob", in, 7500, 3700 + i * 420, 2200, 390, job[i]}});
}

void FrmMain::DesignSelection(Frame* host) {
    const QString in = In(host);
    const QStringList kinds = {QStringLiteral("Manual"), QStringLiteral("By Number"),
                               QStringLiteral("By String"), QStringLiteral("By Extension")};
    for (int i = 0; i < kinds.size(); ++i)
        Place({{&OptionSelection, i, "OptionSelection", in, 150, 330 + i * 360, 2200, 330, kinds[i]}});
    Place({
        // Below the By Number and By String frames, which open beside the options.
        {&CheckSelectionKeep, "CheckSelectionKeep", in, 150, 2850, 3600, 330,
         "Select Files On Folder Change"},
        {&FrameSelectionMax, "FrameSelectionMax", in, 2600, 240, 2000, 760, "Maximum Limit"},
        {&TextSelectionMaxFile, "TextSelectionMaxFile", "FrameSelectionMax", 150, 300, 1200, 330},
        {&FrameSelectionSkip, "FrameSelectionSkip", in, 4750, 240, 2000, 760, "Files To Skip"},
        {&TextSelectionNumSkip, "TextSelectionNumSkip", "FrameSelectionSkip", 150, 300, 1200, 330},
        {&FrameSelectionNum, "FrameSelectionNum", in, 2600, 1100, 4150, 1600, "By Number"},
        {&OptionSelectionNum, 0, "OptionSelectionNum", "FrameSelectionNum", 150, 300, 2000, 330, "All Files"},
        {&OptionSelectionNum, 1, "OptionSelectionNum", "FrameSelectionNum", 150, 660, 2000, 330,
         "Number of Files"},
        {&TextSelectionNumFile, "TextSelectionNumFile", "FrameSelectionNum", 2250, 640, 1200, 330},
        {&LabelSelectionAsk, "LabelSelectionAsk", "FrameSelectionNum", 150, 1100, 3900, 300,
         "Please type the number of files to select"},
        {&FrameSelectionString, "FrameSelectionString", in, 2600, 1100, 4150, 1600},
        {&LabelSelectionString, "LabelSelectionString", "FrameSelectionString", 150, 150, 3000, 300,
         "This String"},
        {&TextSelectionString, "TextSelectionString", "FrameSelectionString", 150, 480, 3200, 330},
        {&CheckSelectionSensitive, "CheckSelectionSensitive", "FrameSelectionString", 150, 960, 2600, 330,
         "Case Sensitive"},
        {&CommandSelectionOK, 0, "CommandSelectionOK", in, 2600, 4700, 1250, 450, "OK"},
        {&CommandSelectionOK, 1, "CommandSelectionOK", in, 4000, 4700, 1250, 450, "Cancel"},
    });
    Named(TextSelectionMaxFile, QStringLiteral("Maximum Limit"));
    Named(TextSelectionNumSkip, QStringLiteral("Number of files to skip"));
    Named(TextSelectionNumFile, QStringLiteral("Number of Files"));
    LabelSelectionAsk->SetVisible(false);
    Named(TextSelectionString, QStringLiteral("String or extension to select by"));
}

void FrmMain::DesignAction(Frame* host) {
    const QString in = In(host);
    const QStringList actions = {QStringLiteral("Rename"),
                                 QStringLiteral("Rename and Copy"),
                                 QStringLiteral("Copy and Rename the copies only"),
                                 QStringLiteral("Move and Rename"),
                                 QStringLiteral("Copy"),
                                 QStringLiteral("Move"),
                                 QStringLiteral("Delete"),
                                 QStringLiteral("Set Attributes")};
    for (int i = 0; i < actions.size(); ++i)
        Place({{&OptionAction, i, "OptionAction", in, 150, 300 + i * 330, 3600, 310, actions[i]}});
    Place({{&FrameAttribute, "FrameAttribute", in, 3900, 200, 2900, 2350, "Attribute"}});
    const QStringList attrs = {QStringLiteral("Don't Change"), QStringLiteral("Normal"),
                               QStringLiteral("ReadOnly"),     QStringLiteral("Hidden"),
                               QStringLiteral("System"),       QStringLiteral("Archive")};
    for (int i = 0; i < attrs.size(); ++i)
        Place({{&OptionAttribute, i, "OptionAttribute", "FrameAttribute", 150, 300 + i * 330, 2600, 310,
                attrs[i]}});
    FrameAttribute->SetVisible(false);
    Place({
        {&LabelActionMust, "LabelActionMust", in, 150, 3000, 6700, 300},
        {&LabelActionOverwrite, "LabelActionOverwrite", in, 450, 3350, 6400, 560,
         "Overwrite Files In Destination While Copying. Please Remember Overwritten Files is not "
         "Recoverable."},
        {&CheckActionOverwrite, "CheckActionOverwrite", in, 150, 3380, 300, 300},
        {&LabelActionDelete, "LabelActionDelete", in, 150, 3350, 6700, 300,
         "Please Remember There Is No Undo Option Available For This."},
        {&CheckActionMode, "CheckActionMode", in, 150, 4100, 5000, 330,
         "Review Mode : No Final Action On Files"},
        {&CommandActionOK, 0, "CommandActionOK", in, 150, 4700, 2000, 450, "Set Destination"},
        {&CommandActionOK, 1, "CommandActionOK", in, 2300, 4700, 1250, 450, "OK"},
        {&CommandActionOK, 2, "CommandActionOK", in, 3700, 4700, 1250, 450, "Cancel"},
    });
    LabelActionMust->SetForeColor(0xC0);
    LabelActionOverwrite->SetWordWrap(true);
    Named(CheckActionOverwrite, QStringLiteral("Overwrite Files In Destination"));
    for (Control* c : std::initializer_list<Control*>{LabelActionMust, LabelActionOverwrite,
                                                      CheckActionOverwrite, LabelActionDelete})
        c->SetVisible(false);
}

void FrmMain::DesignPriority(Frame* host) {
    const QString in = In(host);
    Place({
        {&ImagePriUser, "ImagePriUser", in, 300, 1800, 1800, 1800},
        // Element 5 (current priority) stands above the others.
        {&FramePriority, 5, "FramePriority", in, 2400, 300, 4000, 1300, "Current Priority"},
        {&LabelPriority, 0, "LabelPriority", "FramePriority(5)", 150, 500, 1200, 300, "Insert"},
        {&LabelPriority, 1, "LabelPriority", "FramePriority(5)", 1400, 500, 1200, 300, "Replace"},
        {&LabelPriority, 2, "LabelPriority", "FramePriority(5)", 2650, 500, 1200, 300, "Remove"},
    });
    Named(ImagePriUser, QStringLiteral("User picture"));
    ImagePriUser->SetStretch(true);
    FramePriority[5]->SetVisible(false);

    // Element 4 is the place with the view buttons put away; its Hide brings them back.
    const QStringList captions = {QStringLiteral("Priority, Choice and Info"), QStringLiteral("Set Priority"),
                                  QStringLiteral("Choice"), QStringLiteral("Little Help"), QString()};
    for (int i = 0; i < captions.size(); ++i) {
        Place({{&FramePriority, i, "FramePriority", in, 2400, 1680, 7000, 3700, captions[i]}});
        FramePriority[i]->SetVisible(i == 0);
    }
    const QStringList views = {QStringLiteral("Priority"), QStringLiteral("Choice"), QStringLiteral("Info")};
    for (int i = 1; i <= 3; ++i)
        Place({{&CommandView, i, "CommandView", "FramePriority(0)", 300, 400 + (i - 1) * 600, 2200, 480,
                views[i - 1]}});
    for (int i = 0; i <= 3; ++i)
        Place({{&CommandHideView, i, "CommandHideView", In(FramePriority[i == 0 ? 4 : i]), 5300, 400, 1400,
                450, "Hide"}});
    Place({
        {&LabelViewHidden, "LabelViewHidden", "FramePriority(4)", 300, 400, 4800, 900,
         "The Priority, Choice and Info buttons are put away. Hide brings them back."},
        {&ComboPriority, 0, "ComboPriority", "FramePriority(1)", 300, 400, 1800, 330},
        {&ComboPriority, 1, "ComboPriority", "FramePriority(1)", 300, 880, 1800, 330},
        {&ComboPriority, 2, "ComboPriority", "FramePriority(1)", 300, 1360, 1800, 330},
        {&CommandPriorityOK, 0, "CommandPriorityOK", "FramePriority(1)", 2400, 400, 1500, 450, "Default"},
        {&CommandPriorityOK, 1, "CommandPriorityOK", "FramePriority(1)", 2400, 960, 1500, 450, "OK"},
        {&LabelPriorityInfo1, "LabelPriorityInfo1", "FramePriority(1)", 300, 1950, 6400, 330,
         "The order differs from the default Insert, Replace, Remove."},
        {&LabelPriorityInfo2, "LabelPriorityInfo2", "FramePriority(1)", 300, 2330, 6400, 330,
         "Default puts the default order back."},
        {&LabelPriorityInfo3, "LabelPriorityInfo3", "FramePriority(1)", 300, 2710, 6400, 330,
         "Each of Insert, Replace and Remove must be chosen once."},
        {&LabelPriorityInfo4, "LabelPriorityInfo4", "FramePriority(1)", 300, 3090, 6400, 330,
         "Click OK to make this the current priority."},
        {&CommandChoice, 0, "CommandChoice", "FramePriority(2)", 300, 400, 2000, 480, "Nalvo"},
        {&CommandChoice, 1, "CommandChoice", "FramePriority(2)", 300, 1000, 2000, 480, "Pembrit"},
        {&ImageChoiceDefault, "ImageChoiceDefault", "FramePriority(2)", 2700, 400, 960, 960},
        {&LabelLittleHelp, "LabelLittleHelp", "FramePriority(3)", 300, 400, 4800, 3000,
         "Little Help :\n\nFiles are selected. Click Rename Criteria to set how the new names are made, then "
         "click Preview.\n\n(Quorvan writes here what to do next at every stage.)"},
    });
    LabelViewHidden->SetWordWrap(true);
    for (ComboBox* c : ComboPriority.items()) Named(c, QStringLiteral("Priority %1").arg(c->Index() + 1));
    for (Label* l : {LabelPriorityInfo1, LabelPriorityInfo2, LabelPriorityInfo3, LabelPriorityInfo4})
        l->SetVisible(false);
    Named(ImageChoiceDefault, QStringLiteral("Default user picture"));
    ImageChoiceDefault->SetPicture(DefaultUserPicture());
    ImageChoiceDefault->SetVisible(false);
    LabelLittleHelp->SetWordWrap(true);
}

void FrmMain::DesignCriteria(Frame* host) {
    const QString in = In(host);
    // Each criterion in a frame of its own, as in Quorvan's dialog, so that its controls are read and
    // tabbed through together.
    Place({
        {&FrameInsert, "FrameInsert", in, 100, 200, 4800, 2560},
        {&FrameAuto, "FrameAuto", in, 4900, 200, 4850, 2560},
        {&CheckInsert, "CheckInsert", "FrameInsert", 50, 50, 1500, 330, "Insert"},
        {&ComboInsert, "ComboInsert", "FrameInsert", 50, 420, 3650, 330},
        {&FrameInsertThis, "FrameInsertThis", "FrameInsert", 50, 1200, 4500, 1300, "Insert This"},
        {&TextInsert, 0, "TextInsert", "FrameInsertThis", 150, 330, 4000, 330},
        {&TextInsert, 1, "TextInsert", "FrameInsert", 3800, 420, 600, 330},
        {&TextInsert, 2, "TextInsert", "FrameInsert", 3800, 420, 950, 330},
        {&LabelMaxInsert, "LabelMaxInsert", "FrameInsert", 50, 820, 1500, 300, "Max. 2 Digits"},
        {&LabelInsertHighDigit, "LabelInsertHighDigit", "FrameInsert", 1400, 820, 3350, 300,
         "Must be higher than 0. Digits only."},
        {&CheckInsertAddSpace, "CheckInsertAddSpace", "FrameInsertThis", 150, 760, 2200, 330,
         "Include Space"},

        {&LabelAutoTitle, "LabelAutoTitle", "FrameAuto", 50, 80, 800, 300, "Auto :"},
        {&OptionAuto, 0, "OptionAuto", "FrameAuto", 850, 50, 1200, 330, "No"},
        {&OptionAuto, 1, "OptionAuto", "FrameAuto", 2100, 50, 1200, 330, "Number"},
        {&OptionAuto, 2, "OptionAuto", "FrameAuto", 3350, 50, 1200, 330, "Letter"},
        {&ComboAuto, "ComboAuto", "FrameAuto", 50, 420, 3650, 330},
        {&FrameAutoStart, "FrameAutoStart", "FrameAuto", 50, 1200, 4700, 1300, "Start From"},
        {&LabelMaxAuto, "LabelMaxAuto", "FrameAuto", 50, 820, 1500, 300, "Max. 2 Digits"},
        {&LabelAutoHighDigit, "LabelAutoHighDigit", "FrameAuto", 1600, 820, 3200, 300,
         "Must be higher than 0. Digits only."},
        {&TextAuto, 0, "TextAuto", "FrameAutoStart", 150, 330, 1800, 330},
        {&TextAuto, 1, "TextAuto", "FrameAuto", 3800, 420, 600, 330},
        {&TextAuto, 2, "TextAuto", "FrameAuto", 3800, 420, 1000, 330},
        {&LabelAutoMaxLength, "LabelAutoMaxLength", "FrameAutoStart", 2100, 330, 2500, 300},
        {&LabelZeroAuto, "LabelZeroAuto", "FrameAutoStart", 150, 790, 1000, 300, "Zero Fill"},
        {&ComboZeroAuto, "ComboZeroAuto", "FrameAutoStart", 1200, 760, 800, 330},
        {&CheckAuto, "CheckAuto", "FrameAutoStart", 2200, 760, 2200, 330, "Small Letter"},

        {&FrameRen, "FrameRen", in, 150, 3900, 9540, 2550, "Rename Criteria :"},
    });
    Named(FrameInsert, QStringLiteral("Insert"));
    FrameInsert->SetBorderStyle(0);
    Named(FrameAuto, QStringLiteral("Auto"));
    FrameAuto->SetBorderStyle(0);
    Named(ComboInsert, QStringLiteral("Where to insert"));
    Named(TextInsert[0], QStringLiteral("Insert This"));
    Named(TextInsert[1], QStringLiteral("Number of characters"));
    Named(TextInsert[2], QStringLiteral("String"));
    Named(ComboAuto, QStringLiteral("Where to add"));
    Named(ComboZeroAuto, QStringLiteral("Zero Fill"));
    Named(TextAuto[0], QStringLiteral("Start From"));
    Named(TextAuto[1], QStringLiteral("Number of characters"));
    Named(TextAuto[2], QStringLiteral("String"));

    const QStringList lines = {QStringLiteral("Change Case :: No"),
                               QStringLiteral("Change Extension :: No"),
                               QStringLiteral("Change or Remove Space :: No"),
                               QStringLiteral("Handle all instance of a Char/Str :: No"),
                               QStringLiteral("Insert :: No"),
                               QStringLiteral("Replace :: No"),
                               QStringLiteral("Remove :: No"),
                               QStringLiteral("Auto Number or Letter :: No"),
                               QStringLiteral("Auto Number or Letter :: No")};
    for (int i = 0; i < lines.size(); ++i)
        Place({{&LabelRen, i, "LabelRen", "FrameRen", 150, 260 + i * 250, 9200, 250, lines[i]}});
    Place({
        {&CommandRenOK, 0, "CommandRenOK", in, 6900, 3250, 1250, 480, "OK"},
        {&CommandRenOK, 1, "CommandRenOK", in, 8300, 3250, 1250, 480, "Cancel"},
        {&LabelCriteriaOnly, "LabelCriteriaOnly", in, 150, 3350, 6500, 300,
         "Only Insert and Auto work in this mock-up."},
    });
}

void FrmMain::DesignEasy(Frame* host) {
    const QString in = In(host);
    Place({
        {&CheckEasyProcess, "CheckEasyProcess", in, 300, 330, 2500, 330, "Easy Process"},
        {&FrameEasy, 0, "FrameEasy", in, 300, 800, 3200, 2200, "Example Files"},
        {&FrameEasy, 1, "FrameEasy", in, 3700, 800, 5800, 2200, "New Name"},
        {&FrameEasy, 2, "FrameEasy", in, 300, 3200, 9200, 1200},
    });
    for (Frame* f : FrameEasy.items()) f->SetVisible(false);
    const QStringList files = {QStringLiteral("Quorvan.exe"), QStringLiteral("Plenvix.exe"),
                               QStringLiteral("QuorvanHelp.exe"), QStringLiteral("PlenvixHelp.exe")};
    for (int i = 0; i < files.size(); ++i)
        Place(
            {{&LabelEasyFile, i, "LabelEasyFile", "FrameEasy(0)", 200, 330 + i * 430, 2800, 400, files[i]}});
    Place({
        {&TextEasy, 0, "TextEasy", "FrameEasy(1)", 200, 420, 3800, 330},
        {&TextEasy, 1, "TextEasy", "FrameEasy(1)", 4300, 420, 1300, 330},
        {&LabelEasyDot, "LabelEasyDot", "FrameEasy(1)", 4080, 420, 200, 330, "."},
        {&CheckEasySpace, "CheckEasySpace", "FrameEasy(1)", 200, 960, 2500, 330, "Include Space"},
        {&LabelEasyReady, "LabelEasyReady", "FrameEasy(2)", 300, 420, 2500, 330, "Ready To Go"},
        {&CommandEasyOK, "CommandEasyOK", "FrameEasy(2)", 5000, 350, 1700, 480, "Rename"},
        {&CommandEasyCancel, "CommandEasyCancel", "FrameEasy(2)", 6900, 350, 1700, 480, "Cancel"},
    });
    Named(TextEasy[0], QStringLiteral("New name"));
    Named(TextEasy[1], QStringLiteral("New extension"));
    LabelEasyReady->SetForeColor(0x8000);
    LabelEasyReady->SetVisible(false);
}

}  // namespace qv::help
