#include "criteria/frm_ren.h"

#include <QWidget>

#include "core/state.h"
#include "criteria/lists.h"
#include "platform/services.h"

namespace qv {

namespace {

// Inside a frame positions are in twips.
constexpr int T = kTwipsPerPixel;

template <class C>
C* Placed(C* c, int left, int top, int width, int height, bool visible = true) {
    c->Move(left, top, width, height);
    c->SetVisible(visible);
    return c;
}

}  // namespace

FrmRen::FrmRen() : Form(QStringLiteral("frmRen")) {}

void FrmRen::Design() {
    SetCaption(QStringLiteral("Set Rename Criteria"));
    Move(300, 300, 680, 470);
    DesignInsert();
    DesignAuto();
    DesignCase();
    DesignSpace();
    DesignHandle();
    DesignReplace();
    DesignRemove();
    DesignExtension();
    DesignFooter();
    Describe();
    WireRules();

    CheckCase->Click = [this] { CheckCase_Click(); };
    for (OptionButton* o : OptionCase.items()) o->Click = [this, o] { OptionCase_Click(o->Index()); };
    ComboCase->Click = [this] { ComboCase_Click(); };
    CheckExt->Click = [this] { CheckExt_Click(); };
    CheckSpace->Click = [this] { CheckSpace_Click(); };
    for (OptionButton* o : OptionSpace.items()) o->Click = [this, o] { OptionSpace_Click(o->Index()); };
    CheckHandle->Click = [this] { CheckHandle_Click(); };
    for (OptionButton* o : OptionHandle.items()) o->Click = [this, o] { OptionHandle_Click(o->Index()); };
    CheckInsert->Click = [this] { CheckInsert_Click(); };
    CheckReplace->Click = [this] { CheckReplace_Click(); };
    CheckRemove->Click = [this] { CheckRemove_Click(); };
    ComboInsert->Click = [this] { ComboInsert_Click(); };
    ComboReplace->Click = [this] { ComboReplace_Click(); };
    ComboRemove->Click = [this] { ComboRemove_Click(); };
    for (OptionButton* o : OptionAuto.items()) o->Click = [this, o] { OptionAuto_Click(o->Index()); };
    ComboAutoPlace->Click = [this] { ComboAutoPlace_Click(); };
    ComboAutoZeroFill->Click = [this] { ComboAutoZeroFill_Click(); };
    CheckAutoLetter->Click = [this] { CheckAutoLetter_Click(); };
    CommandOK->Click = [this] { CommandOK_Click(); };
    CommandCancel->Click = [this] { CommandCancel_Click(); };
    CommandCancel->SetCancel(true);
    // No typing into the lists: a typed key would change the choice.
    for (ComboBox* c : {ComboCase, ComboInsert, ComboReplace, ComboRemove, ComboAutoPlace, ComboAutoZeroFill})
        c->KeyPress = [](int& keyAscii) { keyAscii = 0; };
}

void FrmRen::DesignCase() {
    FrameCase = Add<Frame>(QStringLiteral("FrameCase"));
    FrameCase->Move(408, 0, 264, 80);
    CheckCase = Placed(Add<CheckBox>(QStringLiteral("CheckCase"), FrameCase), 120, 60, 2400, 300);
    CheckCase->SetCaption(QStringLiteral("Case : Change"));
    FrameCaseOption =
        Placed(Add<Frame>(QStringLiteral("FrameCaseOption"), FrameCase), 0, 0, 3720, 480, false);
    FrameCaseOption->SetBorderStyle(0);
    const QStringList scopes = {QStringLiteral("File Name"), QStringLiteral("First Letter"),
                                QStringLiteral("First Letter of all Words")};
    const int lefts[] = {0, 1000, 2080};
    const int widths[] = {1000, 1080, 1620};
    for (int i = 0; i < 3; ++i) {
        OptionButton* o = AddTo(OptionCase, QStringLiteral("OptionCase"), i, FrameCaseOption);
        Placed(o, lefts[i], 60, widths[i], 360);
        o->SetCaption(scopes[i]);
    }
    FrameCaseSelect =
        Placed(Add<Frame>(QStringLiteral("FrameCaseSelect"), FrameCase), 0, 0, 3480, 360, false);
    FrameCaseSelect->SetBorderStyle(0);
    LabelCaseChangeTo =
        Placed(Add<Label>(QStringLiteral("LabelCaseChangeTo"), FrameCaseSelect), 0, 30, 1000, 300);
    LabelCaseChangeTo->SetCaption(QStringLiteral("Change To :"));
    ComboCase = Placed(Add<ComboBox>(QStringLiteral("ComboCase"), FrameCaseSelect), 1080, 0, 1800, 330);
}

void FrmRen::DesignExtension() {
    FrameExt = Add<Frame>(QStringLiteral("FrameExt"));
    FrameExt->Move(208, 296, 192, 104);
    CheckExt = Placed(Add<CheckBox>(QStringLiteral("CheckExt"), FrameExt), 120, 120, 2640, 300);
    CheckExt->SetCaption(QStringLiteral("Extension : Change"));
    LabelExt = Placed(Add<Label>(QStringLiteral("LabelExt"), FrameExt), 120, 540, 1320, 300, false);
    LabelExt->SetCaption(QStringLiteral("New Extension :"));
    TextExt = Placed(Add<TextBox>(QStringLiteral("TextExt"), FrameExt), 1440, 480, 1200, 330, false);
    TextExt->SetMaxLength(7);
    LabelMaxExt = Placed(Add<Label>(QStringLiteral("LabelMaxExt"), FrameExt), 1440, 900, 1200, 300, false);
    LabelMaxExt->SetCaption(QStringLiteral("Max 7 Char."));
}

void FrmRen::DesignSpace() {
    FrameSpace = Add<Frame>(QStringLiteral("FrameSpace"));
    FrameSpace->Move(408, 80, 264, 88);
    CheckSpace = Placed(Add<CheckBox>(QStringLiteral("CheckSpace"), FrameSpace), 120, 0, 3000, 260);
    CheckSpace->SetCaption(QStringLiteral("Space : Remove || Replace"));
    const QStringList modes = {QStringLiteral("Remove"), QStringLiteral("Replace with :")};
    for (int i = 0; i < 2; ++i) {
        OptionButton* o = AddTo(OptionSpace, QStringLiteral("OptionSpace"), i, FrameSpace);
        Placed(o, 240 + i * 1200, 250, i == 0 ? 1080 : 1500, 230, false);
        o->SetCaption(modes[i]);
    }
    FrameSpaceReplace =
        Placed(Add<Frame>(QStringLiteral("FrameSpaceReplace"), FrameSpace), 0, 0, 3720, 480, false);
    FrameSpaceReplace->SetBorderStyle(0);
    TextSpaceWith =
        Placed(Add<TextBox>(QStringLiteral("TextSpaceWith"), FrameSpaceReplace), 0, 60, 1200, 330);
    TextSpaceWith->SetMaxLength(8);
    LabelMaxSpace =
        Placed(Add<Label>(QStringLiteral("LabelMaxSpace"), FrameSpaceReplace), 1260, 0, 1200, 240);
    LabelMaxSpace->SetCaption(QStringLiteral("Max. 8 Chars."));
    CheckSpaceAddSpace =
        Placed(Add<CheckBox>(QStringLiteral("CheckSpaceAddSpace"), FrameSpaceReplace), 1260, 220, 1500, 260);
    CheckSpaceAddSpace->SetCaption(QStringLiteral("Include Space"));
}

void FrmRen::DesignHandle() {
    FrameSpChar = Add<Frame>(QStringLiteral("FrameSpChar"));
    FrameSpChar->Move(408, 168, 264, 56);
    CheckHandle = Placed(Add<CheckBox>(QStringLiteral("CheckHandle"), FrameSpChar), 120, 60, 300, 300);
    LabelSpThisChar = Placed(Add<Label>(QStringLiteral("LabelSpThisChar"), FrameSpChar), 420, 90, 1800, 260);
    LabelSpThisChar->SetCaption(QStringLiteral("Handle All Instances"));
    LabelSpThisChar2 =
        Placed(Add<Label>(QStringLiteral("LabelSpThisChar2"), FrameSpChar), 120, 400, 2400, 260);
    LabelSpThisChar2->SetCaption(QStringLiteral("of this Character or String :"));
    TextHandleThis =
        Placed(Add<TextBox>(QStringLiteral("TextHandleThis"), FrameSpChar), 2520, 360, 1260, 330, false);

    FrameSpChangeTo = Add<Frame>(QStringLiteral("FrameSpChangeTo"));
    FrameSpChangeTo->Move(408, 224, 264, 104);
    FrameSpChangeTo->SetVisible(false);
    const QStringList modes = {QStringLiteral("Remove"), QStringLiteral("Change as Space"),
                               QStringLiteral("Replace with :")};
    for (int i = 0; i < 3; ++i) {
        OptionButton* o = AddTo(OptionHandle, QStringLiteral("OptionHandle"), i, FrameSpChangeTo);
        Placed(o, 120 + (i % 2) * 1800, 120 + (i / 2) * 360, 1740, 300);
        o->SetCaption(modes[i]);
    }
    TextHandleWith =
        Placed(Add<TextBox>(QStringLiteral("TextHandleWith"), FrameSpChangeTo), 1920, 480, 1200, 330, false);
    TextHandleWith->SetMaxLength(8);
    LabelMaxHandle =
        Placed(Add<Label>(QStringLiteral("LabelMaxHandle"), FrameSpChangeTo), 120, 900, 1500, 260, false);
    LabelMaxHandle->SetCaption(QStringLiteral("Max. 8 Chars."));
    CheckHandleAddSpace = Placed(Add<CheckBox>(QStringLiteral("CheckHandleAddSpace"), FrameSpChangeTo), 1920,
                                 880, 1500, 280, false);
    CheckHandleAddSpace->SetCaption(QStringLiteral("IncludeSpace"));
}

void FrmRen::DesignInsert() {
    FrameInsert = Add<Frame>(QStringLiteral("FrameInsert"));
    FrameInsert->Move(8, 0, 192, 168);
    CheckInsert = Placed(Add<CheckBox>(QStringLiteral("CheckInsert"), FrameInsert), 120, 60, 300, 300);
    LabelInsert = Placed(Add<Label>(QStringLiteral("LabelInsert"), FrameInsert), 420, 90, 1200, 260);
    LabelInsert->SetCaption(QStringLiteral("Insert :"));
    ComboInsert =
        Placed(Add<ComboBox>(QStringLiteral("ComboInsert"), FrameInsert), 120, 360, 2640, 330, false);
    TextInsertAfterNumChar = Placed(Add<TextBox>(QStringLiteral("TextInsertAfterNumChar"), FrameInsert), 240,
                                    720, 600, 330, false);
    TextInsertAfterNumChar->SetMaxLength(2);
    TextInsertAfterString = Placed(Add<TextBox>(QStringLiteral("TextInsertAfterString"), FrameInsert), 240,
                                   720, 2400, 330, false);
    LabelMaxInsert =
        Placed(Add<Label>(QStringLiteral("LabelMaxInsert"), FrameInsert), 960, 720, 1680, 260, false);
    LabelMaxInsert->SetCaption(QStringLiteral("Max. 2 Digits"));
    LabelInsertHighDigit =
        Placed(Add<Label>(QStringLiteral("LabelInsertHighDigit"), FrameInsert), 120, 1080, 2640, 260, false);
    LabelInsertHighDigit->SetCaption(QStringLiteral("Must be higher than 0 (zero)"));
    FrameInsertThis =
        Placed(Add<Frame>(QStringLiteral("FrameInsertThis"), FrameInsert), 120, 1340, 2640, 1080, false);
    FrameInsertThis->SetCaption(QStringLiteral("Insert This"));
    TextInsertThis =
        Placed(Add<TextBox>(QStringLiteral("TextInsertThis"), FrameInsertThis), 120, 300, 2400, 330);
    CheckInsertAddSpace =
        Placed(Add<CheckBox>(QStringLiteral("CheckInsertAddSpace"), FrameInsertThis), 120, 700, 1800, 300);
    CheckInsertAddSpace->SetCaption(QStringLiteral("Include Space"));
}

void FrmRen::DesignReplace() {
    FrameReplace = Add<Frame>(QStringLiteral("FrameReplace"));
    FrameReplace->Move(8, 168, 192, 232);
    CheckReplace = Placed(Add<CheckBox>(QStringLiteral("CheckReplace"), FrameReplace), 120, 60, 300, 300);
    LabelReplace = Placed(Add<Label>(QStringLiteral("LabelReplace"), FrameReplace), 420, 90, 1200, 260);
    LabelReplace->SetCaption(QStringLiteral("Replace :"));
    ComboReplace =
        Placed(Add<ComboBox>(QStringLiteral("ComboReplace"), FrameReplace), 120, 360, 2640, 330, false);
    auto box = [this](const char* name, int width) {
        return Placed(Add<TextBox>(QString::fromLatin1(name), FrameReplace), 240, 720, width, 330, false);
    };
    TextReplaceString = box("TextReplaceString", 2400);
    TextReplaceAfterNumChar = box("TextReplaceAfterNumChar", 600);
    TextReplaceAfterNumChar->SetMaxLength(2);
    TextReplaceAfterString = box("TextReplaceAfterString", 2400);
    TextReplaceCharAfterNumChar = box("TextReplaceCharAfterNumChar", 600);
    TextReplaceCharAfterNumChar->SetMaxLength(2);
    TextReplaceCharAfterString = box("TextReplaceCharAfterString", 2400);
    LabelMaxReplace =
        Placed(Add<Label>(QStringLiteral("LabelMaxReplace"), FrameReplace), 960, 660, 1680, 260, false);
    LabelMaxReplace->SetCaption(QStringLiteral("Max. 2 Digits"));
    LabelReplaceHighDigit = Placed(Add<Label>(QStringLiteral("LabelReplaceHighDigit"), FrameReplace), 120,
                                   1080, 2640, 260, false);
    LabelReplaceHighDigit->SetCaption(QStringLiteral("Must be higher than 0 (zero)"));
    FrameReplaceNumChar =
        Placed(Add<Frame>(QStringLiteral("FrameReplaceNumChar"), FrameReplace), 120, 1340, 2640, 660, false);
    FrameReplaceNumChar->SetCaption(QStringLiteral("Number of Character"));
    TextReplaceNumChar =
        Placed(Add<TextBox>(QStringLiteral("TextReplaceNumChar"), FrameReplaceNumChar), 120, 260, 600, 330);
    TextReplaceNumChar->SetMaxLength(2);
    LabelReplaceNumChar =
        Placed(Add<Label>(QStringLiteral("LabelReplaceNumChar"), FrameReplaceNumChar), 840, 300, 1500, 260);
    LabelReplaceNumChar->SetCaption(QStringLiteral("To Replace"));
    FrameReplaceWith =
        Placed(Add<Frame>(QStringLiteral("FrameReplaceWith"), FrameReplace), 120, 2040, 2640, 1080, false);
    FrameReplaceWith->SetCaption(QStringLiteral("Replace With This"));
    TextReplaceWith =
        Placed(Add<TextBox>(QStringLiteral("TextReplaceWith"), FrameReplaceWith), 120, 300, 2400, 330);
    CheckReplaceAddSpace =
        Placed(Add<CheckBox>(QStringLiteral("CheckReplaceAddSpace"), FrameReplaceWith), 120, 700, 1800, 300);
    CheckReplaceAddSpace->SetCaption(QStringLiteral("Include Space"));
}

void FrmRen::DesignRemove() {
    FrameRemove = Add<Frame>(QStringLiteral("FrameRemove"));
    FrameRemove->Move(208, 168, 192, 128);
    CheckRemove = Placed(Add<CheckBox>(QStringLiteral("CheckRemove"), FrameRemove), 120, 60, 300, 300);
    LabelRemove = Placed(Add<Label>(QStringLiteral("LabelRemove"), FrameRemove), 420, 90, 1200, 260);
    LabelRemove->SetCaption(QStringLiteral("Remove :"));
    ComboRemove =
        Placed(Add<ComboBox>(QStringLiteral("ComboRemove"), FrameRemove), 120, 360, 2640, 330, false);
    auto box = [this](const char* name, int width) {
        return Placed(Add<TextBox>(QString::fromLatin1(name), FrameRemove), 240, 720, width, 330, false);
    };
    TextRemoveString = box("TextRemoveString", 2400);
    TextRemoveAfterNumChar = box("TextRemoveAfterNumChar", 600);
    TextRemoveAfterNumChar->SetMaxLength(2);
    TextRemoveAfterString = box("TextRemoveAfterString", 2400);
    TextRemoveCharAfterNumChar = box("TextRemoveCharAfterNumChar", 600);
    TextRemoveCharAfterNumChar->SetMaxLength(2);
    TextRemoveCharAfterString = box("TextRemoveCharAfterString", 2400);
    LabelMaxRemove =
        Placed(Add<Label>(QStringLiteral("LabelMaxRemove"), FrameRemove), 960, 660, 1680, 260, false);
    LabelMaxRemove->SetCaption(QStringLiteral("Max. 2 Digits"));
    LabelRemoveHighDigit =
        Placed(Add<Label>(QStringLiteral("LabelRemoveHighDigit"), FrameRemove), 120, 1060, 2640, 240, false);
    LabelRemoveHighDigit->SetCaption(QStringLiteral("Must be higher than 0 (zero)"));
    FrameRemoveNumChar =
        Placed(Add<Frame>(QStringLiteral("FrameRemoveNumChar"), FrameRemove), 120, 1260, 2640, 600, false);
    FrameRemoveNumChar->SetCaption(QStringLiteral("Number of Character"));
    TextRemoveNumChar =
        Placed(Add<TextBox>(QStringLiteral("TextRemoveNumChar"), FrameRemoveNumChar), 120, 240, 600, 300);
    TextRemoveNumChar->SetMaxLength(2);
    LabelRemoveNumChar =
        Placed(Add<Label>(QStringLiteral("LabelRemoveNumChar"), FrameRemoveNumChar), 840, 260, 1500, 260);
    LabelRemoveNumChar->SetCaption(QStringLiteral("To Remove"));
}

void FrmRen::DesignAuto() {
    FrameAuto = Add<Frame>(QStringLiteral("FrameAuto"));
    FrameAuto->Move(208, 0, 192, 168);
    LabelAuto = Placed(Add<Label>(QStringLiteral("LabelAuto"), FrameAuto), 120, 90, 600, 260);
    LabelAuto->SetCaption(QStringLiteral("Auto :"));
    const QStringList types = {QStringLiteral("No"), QStringLiteral("Number"), QStringLiteral("Letter")};
    const int lefts[] = {720, 1260, 2040};
    const int widths[] = {540, 780, 720};
    for (int i = 0; i < 3; ++i) {
        OptionButton* o = AddTo(OptionAuto, QStringLiteral("OptionAuto"), i, FrameAuto);
        Placed(o, lefts[i], 60, widths[i], 300);
        o->SetCaption(types[i]);
    }
    ComboAutoPlace =
        Placed(Add<ComboBox>(QStringLiteral("ComboAutoPlace"), FrameAuto), 120, 400, 2640, 330, false);
    TextAutoAfterNumChar =
        Placed(Add<TextBox>(QStringLiteral("TextAutoAfterNumChar"), FrameAuto), 240, 780, 600, 330, false);
    TextAutoAfterNumChar->SetMaxLength(2);
    TextAutoAfterString =
        Placed(Add<TextBox>(QStringLiteral("TextAutoAfterString"), FrameAuto), 240, 780, 2400, 330, false);
    LabelMaxAuto = Placed(Add<Label>(QStringLiteral("LabelMaxAuto"), FrameAuto), 960, 750, 1680, 260, false);
    LabelMaxAuto->SetCaption(QStringLiteral("Max. 2 Digits"));
    LabelAutoHighDigit =
        Placed(Add<Label>(QStringLiteral("LabelAutoHighDigit"), FrameAuto), 120, 1120, 2640, 240, false);
    LabelAutoHighDigit->SetCaption(QStringLiteral("Must be higher than 0 (zero)"));
    FrameAutoStart =
        Placed(Add<Frame>(QStringLiteral("FrameAutoStart"), FrameAuto), 120, 1340, 2640, 720, false);
    TextAutoStart = Placed(Add<TextBox>(QStringLiteral("TextAutoStart"), FrameAutoStart), 120, 280, 900, 330);
    LabelAutoMaxLength =
        Placed(Add<Label>(QStringLiteral("LabelAutoMaxLength"), FrameAutoStart), 1080, 320, 1500, 260);
    LabelAutoZeroFill =
        Placed(Add<Label>(QStringLiteral("LabelAutoZeroFill"), FrameAuto), 120, 2140, 900, 260, false);
    LabelAutoZeroFill->SetCaption(QStringLiteral("Zero Fill"));
    ComboAutoZeroFill =
        Placed(Add<ComboBox>(QStringLiteral("ComboAutoZeroFill"), FrameAuto), 1080, 2100, 720, 330, false);
    CheckAutoLetter =
        Placed(Add<CheckBox>(QStringLiteral("CheckAutoLetter"), FrameAuto), 120, 2120, 1800, 300, false);
    CheckAutoLetter->SetCaption(QStringLiteral("Small Letter"));
}

void FrmRen::DesignFooter() {
    LabelFooter1 = Placed(Add<Label>(QStringLiteral("LabelFooter1")), 16, 414, 240, 18);
    LabelFooter1->SetCaption(QStringLiteral("For the settings to take effect"));
    LabelFooter2 = Placed(Add<Label>(QStringLiteral("LabelFooter2")), 16, 434, 240, 18);
    LabelFooter2->SetCaption(QStringLiteral("Must Press  OK"));
    CommandOK = Placed(Add<CommandButton>(QStringLiteral("CommandOK")), 440, 412, 100, 40);
    CommandOK->SetCaption(QStringLiteral("OK"));
    CommandCancel = Placed(Add<CommandButton>(QStringLiteral("CommandCancel")), 556, 412, 100, 40);
    CommandCancel->SetCaption(QStringLiteral("Cancel"));
}

// Every control a user operates is named for assistive tools: its caption, or what it is for.
void FrmRen::Describe() {
    for (const auto& c : Controls()) {
        QString name;
        if (auto* b = dynamic_cast<CheckBox*>(c.get()))
            name = b->Caption();
        else if (auto* o = dynamic_cast<OptionButton*>(c.get()))
            name = o->Caption();
        else if (auto* k = dynamic_cast<CommandButton*>(c.get()))
            name = k->Caption();
        if (!name.isEmpty() && c->Widget())
            c->Widget()->setAccessibleName(name);
    }
    const std::pair<Control*, const char*> described[] = {
        {CheckHandle, "Handle All Instances of this Character or String"},
        {CheckInsert, "Insert"},
        {CheckReplace, "Replace"},
        {CheckRemove, "Remove"},
        {ComboCase, "Change To"},
        {TextExt, "New Extension"},
        {TextSpaceWith, "Replace spaces with"},
        {TextHandleThis, "Character or String to handle"},
        {TextHandleWith, "Replace the character or string with"},
        {ComboInsert, "Where to Insert"},
        {TextInsertAfterNumChar, "Number of Characters for Insert"},
        {TextInsertAfterString, "String for Insert"},
        {TextInsertThis, "Insert This"},
        {ComboReplace, "What to Replace"},
        {TextReplaceString, "String to Replace"},
        {TextReplaceAfterNumChar, "Number of Characters for Replace"},
        {TextReplaceAfterString, "String for Replace"},
        {TextReplaceCharAfterNumChar, "Number of Characters before the replaced ones"},
        {TextReplaceCharAfterString, "String next to the replaced characters"},
        {TextReplaceNumChar, "Number of Characters To Replace"},
        {TextReplaceWith, "Replace With This"},
        {ComboRemove, "What to Remove"},
        {TextRemoveString, "String to Remove"},
        {TextRemoveAfterNumChar, "Number of Characters for Remove"},
        {TextRemoveAfterString, "String for Remove"},
        {TextRemoveCharAfterNumChar, "Number of Characters before the removed ones"},
        {TextRemoveCharAfterString, "String next to the removed characters"},
        {TextRemoveNumChar, "Number of Characters To Remove"},
        {ComboAutoPlace, "Where to Add"},
        {TextAutoAfterNumChar, "Number of Characters for Auto"},
        {TextAutoAfterString, "String for Auto"},
        {TextAutoStart, "Start From"},
        {ComboAutoZeroFill, "Zero Fill"},
    };
    for (const auto& [control, text] : described)
        control->Widget()->setAccessibleName(QString::fromLatin1(text));
}

void FrmRen::Form_Load() {
    S.CriteriaDialogLoading = true;
    System& sys = systemServices();
    const int top = sys.ScreenHeightTwips() < 10000 ? 300 : 600;
    const int left = sys.ScreenWidthTwips() < 13000 ? 300 : 600;
    // The window's place is given in twips.
    Move(left / T, top / T, Width(), Height());
    FrameInsert->Move(8, 0, FrameInsert->Width(), FrameInsert->Height());
    FrameCase->Move(408, 0, FrameCase->Width(), FrameCase->Height());
    FrameCaseOption->Move(240, 360, FrameCaseOption->Width(), FrameCaseOption->Height());
    FrameCaseSelect->Move(360, 840, FrameCaseSelect->Width(), FrameCaseSelect->Height());
    FrameSpace->Move(408, 80, FrameSpace->Width(), FrameSpace->Height());
    FrameSpaceReplace->Move(120, 480, FrameSpaceReplace->Width(), FrameSpaceReplace->Height());
    FrameExt->Move(208, 296, FrameExt->Width(), FrameExt->Height());
    FrameReplace->Move(8, 168, FrameReplace->Width(), FrameReplace->Height());
    FrameRemove->Move(208, 168, FrameRemove->Width(), FrameRemove->Height());
    FrameAuto->Move(208, 0, FrameAuto->Width(), FrameAuto->Height());
    FrameSpChar->Move(408, 168, FrameSpChar->Width(), FrameSpChar->Height());
    FrameSpChangeTo->Move(408, 224, FrameSpChangeTo->Width(), FrameSpChangeTo->Height());
    // The alternative boxes of a criterion lie on one spot; only the one shown is seen.
    for (TextBox* b : {TextReplaceAfterNumChar, TextReplaceAfterString, TextReplaceCharAfterNumChar,
                       TextReplaceCharAfterString, TextRemoveAfterNumChar, TextRemoveAfterString,
                       TextRemoveCharAfterNumChar, TextRemoveCharAfterString, TextAutoAfterNumChar})
        b->SetLeft(240);
    TextInsertAfterNumChar->SetLeft(240);
    TextInsertAfterNumChar->SetTop(720);
    LabelMaxReplace->SetTop(660);
    LabelMaxRemove->SetTop(660);
    LabelMaxAuto->SetTop(750);
    for (TextBox* b :
         {TextInsertAfterNumChar, TextReplaceString, TextReplaceAfterString, TextReplaceCharAfterString,
          TextRemoveString, TextRemoveAfterString, TextRemoveCharAfterString, TextAutoAfterNumChar})
        b->SetBackColor(kSysWindowBackground);
    FillCriteriaLists();
    S.CriteriaDialogLoading = false;
}

void FrmRen::FillCriteriaLists() {
    for (const QString& s : criteria::InsertPlaces()) ComboInsert->AddItem(s);
    Put(ComboInsert, S.RenInsertPlace);
    for (const QString& s : criteria::ReplaceKinds()) ComboReplace->AddItem(s);
    Put(ComboReplace, S.RenReplaceKind);
    for (const QString& s : criteria::RemoveKinds()) ComboRemove->AddItem(s);
    Put(ComboRemove, S.RenRemoveKind);
    for (const QString& s : criteria::ZeroFills()) ComboAutoZeroFill->AddItem(s);
    for (const QString& s : criteria::AutoPlaces()) ComboAutoPlace->AddItem(s);
    Put(ComboAutoPlace, S.RenAutoPlaceIndex);
    Put(ComboAutoZeroFill, S.RenAutoZeroFillIndex);
    for (const QString& s : criteria::CaseChoices()) ComboCase->AddItem(s);
    Put(ComboCase, S.RenCaseChoice);
}

void FrmRen::Dropped() {
    static_cast<FrmRenControls&>(*this) = FrmRenControls{};
}

FrmRen& frmRen() {
    static FrmRen form;
    return form;
}

}  // namespace qv
