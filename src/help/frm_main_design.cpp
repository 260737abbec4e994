// The help window's layout. Controls on the window are placed in pixels, controls inside frames in
// twips.
#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>
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

template <class T>
T* Captioned(T* c, const QString& caption) {
    c->SetCaption(caption);
    return c;
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
// in step. A screen too small for the grown window takes the layout and the window's font down
// together, so that every text still shows whole and every control stays on the screen.
void FrmMain::ScaleLayout() {
    if (!Loaded())
        return;
    const QFontMetricsF fm(FormFont(*this));
    const double grow = std::max({1.0, fm.height() / kDesignFontHeight,
                                  fm.horizontalAdvance(QLatin1String(kDesignSample)) / kDesignSampleWidth});
    // A screen whose size is not known takes nothing off.
    const QSize room = HelpWindowRoom();
    const double fit = room.width() > 0 && room.height() > 0
                           ? std::min(room.width() / static_cast<double>(Width()),
                                      room.height() / static_cast<double>(Height()))
                           : grow;
    layoutUnit_ = std::min(grow, fit);
    if (layoutUnit_ < grow) {
        QFont font = FormFont(*this);
        const double shrink = layoutUnit_ / grow;
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * shrink);
        else
            font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * shrink)));
        SetFormFont(*this, font);
    }
    if (layoutUnit_ != 1.0) {
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
            const int width =
                k.right && at.right() > room.right() ? room.right() - at.left() + 1 : at.width();
            const int height =
                k.bottom && at.bottom() > room.bottom() ? room.bottom() - at.top() + 1 : at.height();
            if (width != at.width() || height != at.height())
                k.held->Move(k.held->Left(), k.held->Top(), width * kTwipsPerPixel, height * kTwipsPerPixel);
        }
        Move(Left(), Top(), U(Width()), U(Height()));
    }
    // The layout does not follow a resize: the window keeps the size it is laid out for, so that no
    // frame is cut off at its edge (and the window manager offers no resize grips).
    FixWindowSize(*this, Width(), Height());
    // The drawings fill their frames at the size the frames now have.
    for (Image* img : ImageIntro.items())
        img->SetPicture(FrameDrawing(img->Index(), img->Width() / kTwipsPerPixel,
                                     img->Height() / kTwipsPerPixel, FormFont(*this)));
}

QPoint HelpWindowPlace() {
    System& sys = systemServices();
    const int top = sys.ScreenHeightTwips() < 10000 ? 400 : 700;
    const int left = sys.ScreenWidthTwips() < 13000 ? 400 : 700;
    return {left / kTwipsPerPixel, top / kTwipsPerPixel};
}

QSize HelpWindowRoom() {
    return WindowRoom(HelpWindowPlace(), kWindowBorder, kWindowTitleBar);
}

void FrmMain::DesignWindow() {
    Move(0, 0, 920, 656);
    PictureMain = Named(Add<PictureBox>(QStringLiteral("PictureMain")), QStringLiteral("Help window"));
    PictureMain->Move(880, 6, 24, 24);

    CommandTopic =
        Captioned(Add<CommandButton>(QStringLiteral("CommandTopic")), QStringLiteral("Show Topic"));
    CommandTopic->Move(12, 6, 132, 30);
    CommandActivate = Add<CommandButton>(QStringLiteral("CommandActivate"));
    CommandActivate->Move(156, 6, 180, 30);
    LabelParent = Add<Label>(QStringLiteral("LabelParent"));
    LabelParent->Move(346, 12, 400, 20);
    CommandExit = Captioned(Add<CommandButton>(QStringLiteral("CommandExit")), QStringLiteral("Exit"));
    CommandExit->Move(760, 6, 110, 30);

    FrameTopic = Captioned(Add<Frame>(QStringLiteral("FrameTopic")), QStringLiteral("Topics"));
    FrameTopic->Move(12, 40, 232, 300);
    int row = 0;
    for (int i = 0; i < kTopicSlots; ++i) {
        if (!IsTopic(i))
            continue;
        OptionButton* o = AddTo(OptionTopic, QStringLiteral("OptionTopic"), i, FrameTopic);
        o->SetCaption(QLatin1String(TopicCaption(i)));
        if (i == 0) {
            o->Move(120, 240, 3200, 300);
            o->SetVisible(false);  // the start page: chosen when the list goes away
            continue;
        }
        o->Move(90, 300 + row * 370, 3360, 330);
        ++row;
    }
    FrameTopic->SetVisible(false);
    FrameHide = Add<Frame>(QStringLiteral("FrameHide"));
    FrameHide->Move(12, 344, 232, 44);
    FrameHide->SetBorderStyle(0);
    CommandHide = Captioned(Add<CommandButton>(QStringLiteral("CommandHide"), FrameHide),
                            QStringLiteral("Hide Topic List"));
    CommandHide->Move(0, 60, 3480, 480);
    FrameHide->SetVisible(false);

    FrameHelp = Captioned(Add<Frame>(QStringLiteral("FrameHelp")), QStringLiteral("Help On Help"));
    FrameHelp->Move(12, 40, 232, 348);
    LabelHelpOnHelp = Add<Label>(QStringLiteral("LabelHelpOnHelp"), FrameHelp);
    LabelHelpOnHelp->Move(150, 300, 3180, 4800);
    LabelHelpOnHelp->SetWordWrap(true);
    LabelHelpOnHelp->SetCaption(
        QStringLiteral("Show Topic opens the list of topics; the same button (then Hide Topic) closes it and "
                       "brings back this start page.\n\n"
                       "Back and Continue, at the right of the details below, walk a topic page by page. "
                       "From the third page on, Restart Topic goes back to its first page.\n\n"
                       "Activate starts Quorvan; it is there only when Quorvan was found.\n\n"
                       "Exit, or closing the window, ends the help."));

    FrameView = Add<Frame>(QStringLiteral("FrameView"));
    FrameView->Move(12, 392, 232, 88);
    FrameView->SetVisible(false);  // shown for a user with a name or a picture
    ImageUser = Named(Add<Image>(QStringLiteral("ImageUser"), FrameView), QStringLiteral("User picture"));
    ImageUser->Move(120, 180, 900, 1020);
    ImageUser->SetStretch(true);
    LabelGreeting = Add<Label>(QStringLiteral("LabelGreeting"), FrameView);
    LabelGreeting->Move(1140, 240, 2220, 960);
    LabelGreeting->SetWordWrap(true);

    FrameInfo = Add<Frame>(QStringLiteral("FrameInfo"));
    FrameInfo->Move(12, 488, 896, 160);
    LabelInfo = Add<Label>(QStringLiteral("LabelInfo"), FrameInfo);
    LabelInfo->Move(150, 270, 11000, 2000);
    LabelInfo->SetWordWrap(true);
    FrameGo = Add<Frame>(QStringLiteral("FrameGo"), FrameInfo);
    FrameGo->Move(11300, 240, 1950, 1050);
    FrameGo->SetBorderStyle(0);
    ImageGoBack = Named(Add<Image>(QStringLiteral("ImageGoBack"), FrameGo), QStringLiteral("Back"));
    ImageGoBack->Move(120, 150, 720, 600);
    ImageGoContinue =
        Named(Add<Image>(QStringLiteral("ImageGoContinue"), FrameGo), QStringLiteral("Continue"));
    ImageGoContinue->Move(1080, 150, 720, 600);
    // The arrows take the size of their place, which follows the window's scale.
    ImageGoBack->SetStretch(true);
    ImageGoContinue->SetStretch(true);
    FrameGo->SetVisible(false);
    FrameRestart = Add<Frame>(QStringLiteral("FrameRestart"), FrameInfo);
    FrameRestart->Move(11300, 1400, 1950, 700);
    FrameRestart->SetBorderStyle(0);
    CommandRestart = Captioned(Add<CommandButton>(QStringLiteral("CommandRestart"), FrameRestart),
                               QStringLiteral("Restart Topic"));
    CommandRestart->Move(60, 60, 1830, 480);
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
        Frame* f = AddTo(FrameIntro, QStringLiteral("FrameIntro"), i);
        f->Move(kIntroLeft, kIntroTop, kIntroWidth, kIntroHeight);
        f->SetVisible(false);
    }
    // Frame 0: what the program needs.
    LabelDepends = Add<Label>(QStringLiteral("LabelDepends"), FrameIntro[0]);
    LabelDepends->Move(300, 360, w - 600, h - 600);
    LabelDepends->SetWordWrap(true);
    LabelDepends->SetCaption(
        QStringLiteral("Quorvan and QuorvanHelp need:\n\n"
                       "  - Linux with a graphical desktop (X11 or Wayland)\n"
                       "  - Qt 6 (QtCore, QtGui, QtWidgets, QtNetwork), version 6.2 or later\n"
                       "  - the C++ runtime of the system (libstdc++)\n"
                       "  - a screen of at least 767 by 567 pixels\n\n"
                       "The program folder holds:\n\n"
                       "  quorvan                the program\n"
                       "  Quorvan/Set.Kastrel    its settings file (made at the first close)\n"
                       "  Help/quorvanhelp       this help\n\n"
                       "Per-user settings: $XDG_CONFIG_HOME (usually ~/.config)"));
    // Frames 1, 2, 6 and 10: drawings.
    for (int i : {1, 2, 6, 10}) {
        Image* img = AddTo(ImageIntro, QStringLiteral("ImageIntro"), i, FrameIntro[i]);
        img->Move(150, 270, w - 300, h - 420);
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
    for (int i = 0; i < 2; ++i) {
        Label* l = AddTo(LabelIntroMe, QStringLiteral("LabelIntroMe"), i, FrameIntro[3]);
        l->Move(300, i == 0 ? 400 : 3200, w - 600, i == 0 ? 2600 : 3000);
        l->SetWordWrap(true);
    }
    DesignMainButtons(FrameIntro[5]);
    DesignCriteria(FrameIntro[7]);
    DesignPriority(FrameIntro[8]);
    DesignEasy(FrameIntro[9]);
}

void FrmMain::DesignMainButtons(Frame* host) {
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
        CommandButton* b = AddTo(CommandMain, QStringLiteral("CommandMain"), i, host);
        b->SetCaption(main[i]);
        b->Move(left, 300, widths[i], 450);
        left += widths[i] + 90;
    }
    for (int i = 0; i < 4; ++i) {
        Frame* f = AddTo(FrameMain, QStringLiteral("FrameMain"), i, host);
        f->SetCaption(main[i]);
        f->Move(240, 840, 7000, 5500);
        f->SetVisible(false);
    }
    DesignSelection(FrameMain[0]);
    DesignAction(FrameMain[1]);

    // Quorvan's Help frame: its four buttons, then the two its note sends the user to.
    const QStringList help = {QStringLiteral("Help"),        QStringLiteral("Web Site"),
                              QStringLiteral("About"),       QStringLiteral("Cancel"),
                              QStringLiteral("Little Help"), QStringLiteral("Options")};
    for (int i = 0; i < help.size(); ++i) {
        CommandButton* b = AddTo(CommandHelpOK, QStringLiteral("CommandHelpOK"), i, FrameMain[2]);
        b->SetCaption(help[i]);
        b->Move(300, 400 + i * 600, 2200, 480);
    }
    LabelHelpOption = Captioned(Add<Label>(QStringLiteral("LabelHelpOption"), FrameMain[2]),
                                QStringLiteral("To view Little Help from start of the Program please press "
                                               "Options to set that option."));
    LabelHelpOption->Move(2800, 400, 3900, 900);
    LabelHelpOption->SetWordWrap(true);
    ComboRun =
        Named(Add<ComboBox>(QStringLiteral("ComboRun"), FrameMain[3]), QStringLiteral("Program to run"));
    ComboRun->Move(300, 400, 3000, 330);
    ComboRun->AddItem(QStringLiteral("Plenvix"));
    const QStringList run = {QStringLiteral("OK"), QStringLiteral("Cancel")};
    for (int i = 0; i < run.size(); ++i) {
        CommandButton* b = AddTo(CommandRunOK, QStringLiteral("CommandRunOK"), i, FrameMain[3]);
        b->SetCaption(run[i]);
        b->Move(300 + i * 1400, 1000, 1250, 450);
    }

    Label* resetTitle = Add<Label>(QStringLiteral("LabelResetTitle"), host);
    resetTitle->Move(7500, 870, 2200, 270);
    resetTitle->SetCaption(QStringLiteral("Reset :"));
    const QStringList reset = {QStringLiteral("Selection"), QStringLiteral("Action"),
                               QStringLiteral("Criteria"), QStringLiteral("Options"),
                               QStringLiteral("Reset All")};
    for (int i = 0; i < reset.size(); ++i) {
        CommandButton* b = AddTo(CommandReset, QStringLiteral("CommandReset"), i, host);
        b->SetCaption(reset[i]);
        b->Move(7500, 1170 + i * 420, 2200, 390);
    }
    Label* jobTitle = Add<Label>(QStringLiteral("LabelJobTitle"), host);
    jobTitle->Move(7500, 3400, 2200, 270);
    jobTitle->SetCaption(QStringLiteral("Job :"));
    const QStringList job = {QStringLiteral("Preview"), QStringLiteral("Rename"), QStringLiteral("Cancel"),
                             QStringLiteral("Undo")};
    for (int i = 0; i < job.size(); ++i) {
        CommandButton* b = AddTo(CommandJob, QStringLiteral("CommandJob"), i, host);
        b->SetCaption(job[i]);
        b->Move(7500, 3700 + i * 420, 2200, 390);
    }
}

void FrmMain::DesignSelection(Frame* host) {
    const QStringList kinds = {QStringLiteral("Manual"), QStringLiteral("By Number"),
                               QStringLiteral("By String"), QStringLiteral("By Extension")};
    for (int i = 0; i < kinds.size(); ++i) {
        OptionButton* o = AddTo(OptionSelection, QStringLiteral("OptionSelection"), i, host);
        o->SetCaption(kinds[i]);
        o->Move(150, 330 + i * 360, 2200, 330);
    }
    CheckSelectionKeep = Captioned(Add<CheckBox>(QStringLiteral("CheckSelectionKeep"), host),
                                   QStringLiteral("Select Files On Folder Change"));
    // Below the By Number and By String frames, which open beside the options.
    CheckSelectionKeep->Move(150, 2850, 3600, 330);

    FrameSelectionMax =
        Captioned(Add<Frame>(QStringLiteral("FrameSelectionMax"), host), QStringLiteral("Maximum Limit"));
    FrameSelectionMax->Move(2600, 240, 2000, 760);
    TextSelectionMaxFile = Named(Add<TextBox>(QStringLiteral("TextSelectionMaxFile"), FrameSelectionMax),
                                 QStringLiteral("Maximum Limit"));
    TextSelectionMaxFile->Move(150, 300, 1200, 330);
    FrameSelectionSkip =
        Captioned(Add<Frame>(QStringLiteral("FrameSelectionSkip"), host), QStringLiteral("Files To Skip"));
    FrameSelectionSkip->Move(4750, 240, 2000, 760);
    TextSelectionNumSkip = Named(Add<TextBox>(QStringLiteral("TextSelectionNumSkip"), FrameSelectionSkip),
                                 QStringLiteral("Number of files to skip"));
    TextSelectionNumSkip->Move(150, 300, 1200, 330);

    FrameSelectionNum =
        Captioned(Add<Frame>(QStringLiteral("FrameSelectionNum"), host), QStringLiteral("By Number"));
    FrameSelectionNum->Move(2600, 1100, 4150, 1600);
    const QStringList nums = {QStringLiteral("All Files"), QStringLiteral("Number of Files")};
    for (int i = 0; i < nums.size(); ++i) {
        OptionButton* o =
            AddTo(OptionSelectionNum, QStringLiteral("OptionSelectionNum"), i, FrameSelectionNum);
        o->SetCaption(nums[i]);
        o->Move(150, 300 + i * 360, 2000, 330);
    }
    TextSelectionNumFile = Named(Add<TextBox>(QStringLiteral("TextSelectionNumFile"), FrameSelectionNum),
                                 QStringLiteral("Number of Files"));
    TextSelectionNumFile->Move(2250, 640, 1200, 330);
    LabelSelectionAsk = Captioned(Add<Label>(QStringLiteral("LabelSelectionAsk"), FrameSelectionNum),
                                  QStringLiteral("Please type the number of files to select"));
    LabelSelectionAsk->Move(150, 1100, 3900, 300);
    LabelSelectionAsk->SetVisible(false);

    FrameSelectionString = Add<Frame>(QStringLiteral("FrameSelectionString"), host);
    FrameSelectionString->Move(2600, 1100, 4150, 1600);
    LabelSelectionString = Captioned(Add<Label>(QStringLiteral("LabelSelectionString"), FrameSelectionString),
                                     QStringLiteral("This String"));
    LabelSelectionString->Move(150, 150, 3000, 300);
    TextSelectionString = Named(Add<TextBox>(QStringLiteral("TextSelectionString"), FrameSelectionString),
                                QStringLiteral("String or extension to select by"));
    TextSelectionString->Move(150, 480, 3200, 330);
    CheckSelectionSensitive =
        Captioned(Add<CheckBox>(QStringLiteral("CheckSelectionSensitive"), FrameSelectionString),
                  QStringLiteral("Case Sensitive"));
    CheckSelectionSensitive->Move(150, 960, 2600, 330);

    const QStringList ok = {QStringLiteral("OK"), QStringLiteral("Cancel")};
    for (int i = 0; i < ok.size(); ++i) {
        CommandButton* b = AddTo(CommandSelectionOK, QStringLiteral("CommandSelectionOK"), i, host);
        b->SetCaption(ok[i]);
        b->Move(2600 + i * 1400, 4700, 1250, 450);
    }
}

void FrmMain::DesignAction(Frame* host) {
    const QStringList actions = {QStringLiteral("Rename"),
                                 QStringLiteral("Rename and Copy"),
                                 QStringLiteral("Copy and Rename the copies only"),
                                 QStringLiteral("Move and Rename"),
                                 QStringLiteral("Copy"),
                                 QStringLiteral("Move"),
                                 QStringLiteral("Delete"),
                                 QStringLiteral("Set Attributes")};
    for (int i = 0; i < actions.size(); ++i) {
        OptionButton* o = AddTo(OptionAction, QStringLiteral("OptionAction"), i, host);
        o->SetCaption(actions[i]);
        o->Move(150, 300 + i * 330, 3600, 310);
    }
    FrameAttribute =
        Captioned(Add<Frame>(QStringLiteral("FrameAttribute"), host), QStringLiteral("Attribute"));
    FrameAttribute->Move(3900, 200, 2900, 2350);
    const QStringList attrs = {QStringLiteral("Don't Change"), QStringLiteral("Normal"),
                               QStringLiteral("ReadOnly"),     QStringLiteral("Hidden"),
                               QStringLiteral("System"),       QStringLiteral("Archive")};
    for (int i = 0; i < attrs.size(); ++i) {
        OptionButton* o = AddTo(OptionAttribute, QStringLiteral("OptionAttribute"), i, FrameAttribute);
        o->SetCaption(attrs[i]);
        o->Move(150, 300 + i * 330, 2600, 310);
    }
    FrameAttribute->SetVisible(false);
    LabelActionMust = Add<Label>(QStringLiteral("LabelActionMust"), host);
    LabelActionMust->Move(150, 3000, 6700, 300);
    LabelActionMust->SetForeColor(0xC0);
    LabelActionMust->SetVisible(false);
    LabelActionOverwrite = Captioned(
        Add<Label>(QStringLiteral("LabelActionOverwrite"), host),
        QStringLiteral(
            "Overwrite Files In Destination While Copying. Please Remember Overwritten Files is not "
            "Recoverable."));
    LabelActionOverwrite->Move(450, 3350, 6400, 560);
    LabelActionOverwrite->SetWordWrap(true);
    LabelActionOverwrite->SetVisible(false);
    CheckActionOverwrite = Named(Add<CheckBox>(QStringLiteral("CheckActionOverwrite"), host),
                                 QStringLiteral("Overwrite Files In Destination"));
    CheckActionOverwrite->Move(150, 3380, 300, 300);
    CheckActionOverwrite->SetVisible(false);
    LabelActionDelete =
        Captioned(Add<Label>(QStringLiteral("LabelActionDelete"), host),
                  QStringLiteral("Please Remember There Is No Undo Option Available For This."));
    LabelActionDelete->Move(150, 3350, 6700, 300);
    LabelActionDelete->SetVisible(false);
    CheckActionMode = Captioned(Add<CheckBox>(QStringLiteral("CheckActionMode"), host),
                                QStringLiteral("Review Mode : No Final Action On Files"));
    CheckActionMode->Move(150, 4100, 5000, 330);
    const QStringList ok = {QStringLiteral("Set Destination"), QStringLiteral("OK"),
                            QStringLiteral("Cancel")};
    const int lefts[] = {150, 2300, 3700};
    for (int i = 0; i < ok.size(); ++i) {
        CommandButton* b = AddTo(CommandActionOK, QStringLiteral("CommandActionOK"), i, host);
        b->SetCaption(ok[i]);
        b->Move(lefts[i], 4700, i == 0 ? 2000 : 1250, 450);
    }
}

void FrmMain::DesignPriority(Frame* host) {
    ImagePriUser = Named(Add<Image>(QStringLiteral("ImagePriUser"), host), QStringLiteral("User picture"));
    ImagePriUser->Move(300, 1800, 1800, 1800);
    ImagePriUser->SetStretch(true);
    // Element 5 (current priority) stands above the others.
    Frame* current = AddTo(FramePriority, QStringLiteral("FramePriority"), 5, host);
    current->SetCaption(QStringLiteral("Current Priority"));
    current->Move(2400, 300, 4000, 1300);
    for (int i = 0; i < 3; ++i) {
        Label* l = AddTo(LabelPriority, QStringLiteral("LabelPriority"), i, current);
        l->Move(150 + i * 1250, 500, 1200, 300);
    }
    LabelPriority[0]->SetCaption(QStringLiteral("Insert"));
    LabelPriority[1]->SetCaption(QStringLiteral("Replace"));
    LabelPriority[2]->SetCaption(QStringLiteral("Remove"));
    current->SetVisible(false);

    // Element 4 is the place with the view buttons put away; its Hide brings them back.
    const QStringList captions = {QStringLiteral("Priority, Choice and Info"), QStringLiteral("Set Priority"),
                                  QStringLiteral("Choice"), QStringLiteral("Little Help"), QString()};
    for (int i = 0; i < captions.size(); ++i) {
        Frame* f = AddTo(FramePriority, QStringLiteral("FramePriority"), i, host);
        f->SetCaption(captions[i]);
        f->Move(2400, 1680, 7000, 3700);
        f->SetVisible(i == 0);
    }
    const QStringList views = {QStringLiteral("Priority"), QStringLiteral("Choice"), QStringLiteral("Info")};
    for (int i = 1; i <= 3; ++i) {
        CommandButton* v = AddTo(CommandView, QStringLiteral("CommandView"), i, FramePriority[0]);
        v->SetCaption(views[i - 1]);
        v->Move(300, 400 + (i - 1) * 600, 2200, 480);
    }
    for (int i = 0; i <= 3; ++i) {
        CommandButton* hide =
            AddTo(CommandHideView, QStringLiteral("CommandHideView"), i, FramePriority[i == 0 ? 4 : i]);
        hide->SetCaption(QStringLiteral("Hide"));
        hide->Move(5300, 400, 1400, 450);
    }
    LabelViewHidden = Captioned(Add<Label>(QStringLiteral("LabelViewHidden"), FramePriority[4]),
                                QStringLiteral("The Priority, Choice and Info buttons are put away. Hide "
                                               "brings them back."));
    LabelViewHidden->Move(300, 400, 4800, 900);
    LabelViewHidden->SetWordWrap(true);
    for (int i = 0; i < 3; ++i) {
        ComboBox* c = AddTo(ComboPriority, QStringLiteral("ComboPriority"), i, FramePriority[1]);
        c->Move(300, 400 + i * 480, 1800, 330);
        Named(c, QStringLiteral("Priority %1").arg(i + 1));
    }
    const QStringList ok = {QStringLiteral("Default"), QStringLiteral("OK")};
    for (int i = 0; i < 2; ++i) {
        CommandButton* b = AddTo(CommandPriorityOK, QStringLiteral("CommandPriorityOK"), i, FramePriority[1]);
        b->SetCaption(ok[i]);
        b->Move(2400, 400 + i * 560, 1500, 450);
    }
    Label** infos[] = {&LabelPriorityInfo1, &LabelPriorityInfo2, &LabelPriorityInfo3, &LabelPriorityInfo4};
    const QStringList texts = {QStringLiteral("The order differs from the default Insert, Replace, Remove."),
                               QStringLiteral("Default puts the default order back."),
                               QStringLiteral("Each of Insert, Replace and Remove must be chosen once."),
                               QStringLiteral("Click OK to make this the current priority.")};
    for (int i = 0; i < 4; ++i) {
        Label* l = Add<Label>(QStringLiteral("LabelPriorityInfo%1").arg(i + 1), FramePriority[1]);
        l->Move(300, 1950 + i * 380, 6400, 330);
        l->SetCaption(texts[i]);
        l->SetVisible(false);
        *infos[i] = l;
    }
    const QStringList choice = {QStringLiteral("Nalvo"), QStringLiteral("Pembrit")};
    for (int i = 0; i < 2; ++i) {
        CommandButton* b = AddTo(CommandChoice, QStringLiteral("CommandChoice"), i, FramePriority[2]);
        b->SetCaption(choice[i]);
        b->Move(300, 400 + i * 600, 2000, 480);
    }
    ImageChoiceDefault = Named(Add<Image>(QStringLiteral("ImageChoiceDefault"), FramePriority[2]),
                               QStringLiteral("Default user picture"));
    ImageChoiceDefault->Move(2700, 400, 960, 960);
    ImageChoiceDefault->SetPicture(DefaultUserPicture());
    ImageChoiceDefault->SetVisible(false);
    Label* little = Add<Label>(QStringLiteral("LabelLittleHelp"), FramePriority[3]);
    little->Move(300, 400, 4800, 3000);
    little->SetWordWrap(true);
    little->SetCaption(
        QStringLiteral("Little Help :\n\nFiles are selected. Click Rename Criteria to set how the "
                       "new names are made, then click Preview.\n\n(Quorvan writes here what to "
                       "do next at every stage.)"));
}

void FrmMain::DesignCriteria(Frame* host) {
    // Each criterion in a frame of its own, as in Quorvan's dialog, so that its controls are read and
    // tabbed through together.
    FrameInsert = Named(Add<Frame>(QStringLiteral("FrameInsert"), host), QStringLiteral("Insert"));
    FrameInsert->Move(100, 200, 4800, 2560);
    FrameInsert->SetBorderStyle(0);
    FrameAuto = Named(Add<Frame>(QStringLiteral("FrameAuto"), host), QStringLiteral("Auto"));
    FrameAuto->Move(4900, 200, 4850, 2560);
    FrameAuto->SetBorderStyle(0);

    CheckInsert =
        Captioned(Add<CheckBox>(QStringLiteral("CheckInsert"), FrameInsert), QStringLiteral("Insert"));
    CheckInsert->Move(50, 50, 1500, 330);
    ComboInsert =
        Named(Add<ComboBox>(QStringLiteral("ComboInsert"), FrameInsert), QStringLiteral("Where to insert"));
    ComboInsert->Move(50, 420, 3650, 330);
    FrameInsertThis =
        Captioned(Add<Frame>(QStringLiteral("FrameInsertThis"), FrameInsert), QStringLiteral("Insert This"));
    FrameInsertThis->Move(50, 1200, 4500, 1300);
    for (int i = 0; i < 3; ++i)
        AddTo(TextInsert, QStringLiteral("TextInsert"), i, i == 0 ? FrameInsertThis : FrameInsert);
    Named(TextInsert[0], QStringLiteral("Insert This"));
    Named(TextInsert[1], QStringLiteral("Number of characters"));
    Named(TextInsert[2], QStringLiteral("String"));
    TextInsert[0]->Move(150, 330, 4000, 330);
    TextInsert[1]->Move(3800, 420, 600, 330);
    TextInsert[2]->Move(3800, 420, 950, 330);
    LabelMaxInsert =
        Captioned(Add<Label>(QStringLiteral("LabelMaxInsert"), FrameInsert), QStringLiteral("Max. 2 Digits"));
    LabelMaxInsert->Move(50, 820, 1500, 300);
    LabelInsertHighDigit = Captioned(Add<Label>(QStringLiteral("LabelInsertHighDigit"), FrameInsert),
                                     QStringLiteral("Must be higher than 0. Digits only."));
    LabelInsertHighDigit->Move(1400, 820, 3350, 300);
    CheckInsertAddSpace = Captioned(Add<CheckBox>(QStringLiteral("CheckInsertAddSpace"), FrameInsertThis),
                                    QStringLiteral("Include Space"));
    CheckInsertAddSpace->Move(150, 760, 2200, 330);

    const QStringList autos = {QStringLiteral("No"), QStringLiteral("Number"), QStringLiteral("Letter")};
    Label* autoTitle =
        Captioned(Add<Label>(QStringLiteral("LabelAutoTitle"), FrameAuto), QStringLiteral("Auto :"));
    autoTitle->Move(50, 80, 800, 300);
    for (int i = 0; i < autos.size(); ++i) {
        OptionButton* o = AddTo(OptionAuto, QStringLiteral("OptionAuto"), i, FrameAuto);
        o->SetCaption(autos[i]);
        o->Move(850 + i * 1250, 50, 1200, 330);
    }
    ComboAuto = Named(Add<ComboBox>(QStringLiteral("ComboAuto"), FrameAuto), QStringLiteral("Where to add"));
    ComboAuto->Move(50, 420, 3650, 330);
    FrameAutoStart =
        Captioned(Add<Frame>(QStringLiteral("FrameAutoStart"), FrameAuto), QStringLiteral("Start From"));
    FrameAutoStart->Move(50, 1200, 4700, 1300);
    LabelMaxAuto =
        Captioned(Add<Label>(QStringLiteral("LabelMaxAuto"), FrameAuto), QStringLiteral("Max. 2 Digits"));
    LabelMaxAuto->Move(50, 820, 1500, 300);
    LabelAutoHighDigit = Captioned(Add<Label>(QStringLiteral("LabelAutoHighDigit"), FrameAuto),
                                   QStringLiteral("Must be higher than 0. Digits only."));
    LabelAutoHighDigit->Move(1600, 820, 3200, 300);
    for (int i = 0; i < 3; ++i)
        AddTo(TextAuto, QStringLiteral("TextAuto"), i, i == 0 ? FrameAutoStart : FrameAuto);
    LabelAutoMaxLength = Add<Label>(QStringLiteral("LabelAutoMaxLength"), FrameAutoStart);
    LabelAutoMaxLength->Move(2100, 330, 2500, 300);
    LabelZeroAuto =
        Captioned(Add<Label>(QStringLiteral("LabelZeroAuto"), FrameAutoStart), QStringLiteral("Zero Fill"));
    LabelZeroAuto->Move(150, 790, 1000, 300);
    ComboZeroAuto =
        Named(Add<ComboBox>(QStringLiteral("ComboZeroAuto"), FrameAutoStart), QStringLiteral("Zero Fill"));
    ComboZeroAuto->Move(1200, 760, 800, 330);
    CheckAuto =
        Captioned(Add<CheckBox>(QStringLiteral("CheckAuto"), FrameAutoStart), QStringLiteral("Small Letter"));
    CheckAuto->Move(2200, 760, 2200, 330);

    Named(TextAuto[0], QStringLiteral("Start From"));
    Named(TextAuto[1], QStringLiteral("Number of characters"));
    Named(TextAuto[2], QStringLiteral("String"));
    TextAuto[0]->Move(150, 330, 1800, 330);
    TextAuto[1]->Move(3800, 420, 600, 330);
    TextAuto[2]->Move(3800, 420, 1000, 330);

    FrameRen = Captioned(Add<Frame>(QStringLiteral("FrameRen"), host), QStringLiteral("Rename Criteria :"));
    FrameRen->Move(150, 3900, 9540, 2550);
    const QStringList lines = {QStringLiteral("Change Case :: No"),
                               QStringLiteral("Change Extension :: No"),
                               QStringLiteral("Change or Remove Space :: No"),
                               QStringLiteral("Handle all instance of a Char/Str :: No"),
                               QStringLiteral("Insert :: No"),
                               QStringLiteral("Replace :: No"),
                               QStringLiteral("Remove :: No"),
                               QStringLiteral("Auto Number or Letter :: No"),
                               QStringLiteral("Auto Number or Letter :: No")};
    for (int i = 0; i < lines.size(); ++i) {
        Label* l = AddTo(LabelRen, QStringLiteral("LabelRen"), i, FrameRen);
        l->SetCaption(lines[i]);
        l->Move(150, 260 + i * 250, 9200, 250);
    }
    const QStringList ok = {QStringLiteral("OK"), QStringLiteral("Cancel")};
    for (int i = 0; i < ok.size(); ++i) {
        CommandButton* b = AddTo(CommandRenOK, QStringLiteral("CommandRenOK"), i, host);
        b->SetCaption(ok[i]);
        b->Move(6900 + i * 1400, 3250, 1250, 480);
    }
    Label* only = Captioned(Add<Label>(QStringLiteral("LabelCriteriaOnly"), host),
                            QStringLiteral("Only Insert and Auto work in this mock-up."));
    only->Move(150, 3350, 6500, 300);
}

void FrmMain::DesignEasy(Frame* host) {
    CheckEasyProcess =
        Captioned(Add<CheckBox>(QStringLiteral("CheckEasyProcess"), host), QStringLiteral("Easy Process"));
    CheckEasyProcess->Move(300, 330, 2500, 330);
    const QStringList captions = {QStringLiteral("Example Files"), QStringLiteral("New Name"), QString()};
    for (int i = 0; i < 3; ++i) {
        Frame* f = AddTo(FrameEasy, QStringLiteral("FrameEasy"), i, host);
        f->SetCaption(captions[i]);
        f->SetVisible(false);
    }
    FrameEasy[0]->Move(300, 800, 3200, 2200);
    FrameEasy[1]->Move(3700, 800, 5800, 2200);
    FrameEasy[2]->Move(300, 3200, 9200, 1200);
    const QStringList files = {QStringLiteral("Quorvan.exe"), QStringLiteral("Plenvix.exe"),
                               QStringLiteral("QuorvanHelp.exe"), QStringLiteral("PlenvixHelp.exe")};
    for (int i = 0; i < files.size(); ++i) {
        Label* l = AddTo(LabelEasyFile, QStringLiteral("LabelEasyFile"), i, FrameEasy[0]);
        l->SetCaption(files[i]);
        l->Move(200, 330 + i * 430, 2800, 400);
    }
    TextEasy.add(
        Named(Add<TextBox>(QStringLiteral("TextEasy"), FrameEasy[1], 0), QStringLiteral("New name")));
    TextEasy.add(
        Named(Add<TextBox>(QStringLiteral("TextEasy"), FrameEasy[1], 1), QStringLiteral("New extension")));
    TextEasy[0]->Move(200, 420, 3800, 330);
    TextEasy[1]->Move(4300, 420, 1300, 330);
    Label* dot = Captioned(Add<Label>(QStringLiteral("LabelEasyDot"), FrameEasy[1]), QStringLiteral("."));
    dot->Move(4080, 420, 200, 330);
    CheckEasySpace = Captioned(Add<CheckBox>(QStringLiteral("CheckEasySpace"), FrameEasy[1]),
                               QStringLiteral("Include Space"));
    CheckEasySpace->Move(200, 960, 2500, 330);
    LabelEasyReady =
        Captioned(Add<Label>(QStringLiteral("LabelEasyReady"), FrameEasy[2]), QStringLiteral("Ready To Go"));
    LabelEasyReady->Move(300, 420, 2500, 330);
    LabelEasyReady->SetForeColor(0x8000);
    LabelEasyReady->SetVisible(false);
    CommandEasyOK = Captioned(Add<CommandButton>(QStringLiteral("CommandEasyOK"), FrameEasy[2]),
                              QStringLiteral("Rename"));
    CommandEasyOK->Move(5000, 350, 1700, 480);
    CommandEasyCancel = Captioned(Add<CommandButton>(QStringLiteral("CommandEasyCancel"), FrameEasy[2]),
                                  QStringLiteral("Cancel"));
    CommandEasyCancel->Move(6900, 350, 1700, 480);
}

}  // namespace qv::help
