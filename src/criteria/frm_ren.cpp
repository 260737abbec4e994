#include "criteria/frm_ren.h"

#include <QFontMetrics>
#include <algorithm>
#include <vector>

#include "core/state.h"
#include "criteria/lists.h"
#include "forms/forms_fit.h"
#include "platform/services.h"

namespace qv {

namespace {

// Inside a frame positions are in twips.
constexpr int T = kTwipsPerPixel;

// What shows only once a choice asks for it.
void HideAll(std::initializer_list<Control*> controls) {
    for (Control* c : controls) c->SetVisible(false);
}

// What the dialog is laid out from, read from the window's font when the form is designed:
// every size is the room a text needs at that font, so nothing is cut at a larger one.
struct Metrics {
    QFontMetrics fm;
    int line = 0;       // one line of text
    int edit = 0;       // a text box
    int combo = 0;      // a closed combo box
    int check = 0;      // a check box or option button
    int checkOver = 0;  // a check box beside its caption
    int radioOver = 0;  // an option button beside its caption
    int comboOver = 0;  // a combo box beside its entry
    int pad = 0;        // inside a frame's border
    int gap = 0;        // between neighbours

    explicit Metrics(const QFont& font) : fm(font) {
        const StyleMetrics s = MeasureStyle(font);
        line = fm.height();
        edit = s.edit;
        combo = s.combo;
        check = s.check;
        checkOver = s.checkOver;
        radioOver = s.radioOver;
        comboOver = s.comboOver;
        pad = std::max(4, line / 2);
        gap = std::max(2, line / 4);
    }

    int text(const QString& s) const { return fm.horizontalAdvance(s) + 2; }
    int labelH() const { return line + 2; }
    int checkW(const QString& s) const { return text(s) + checkOver; }
    int radioW(const QString& s) const { return text(s) + radioOver; }
    int comboW(const QStringList& items) const {
        int w = 0;
        for (const QString& s : items) w = std::max(w, text(s));
        return w + comboOver;
    }
    // A text box for n characters.
    int boxW(int n) const { return fm.averageCharWidth() * n + edit / 2; }
    // A frame's caption on its top border.
    int frameCaptionW(const QString& s) const { return 8 + fm.horizontalAdvance(s) + 6; }
};

// Places a control inside a frame: pixels in, twips out.
void At(Control* c, int x, int y, int w, int h) {
    c->Move(x * T, y * T, w * T, h * T);
}

struct Item {
    Control* c;
    int w, h;
};

// Lays items left to right from x, wrapping onto a new row when the next would pass `right`; each
// row as high as its highest item, the others centred in it. Returns the bottom of the last row.
int Flow(std::initializer_list<Item> items, int x, int y, int right, int gap) {
    std::vector<std::vector<Item>> rows(1);
    int used = x;
    for (const Item& i : items) {
        if (!rows.back().empty() && used + gap + i.w > right) {
            rows.emplace_back();
            used = x;
        }
        used += (rows.back().empty() ? 0 : gap) + i.w;
        rows.back().push_back(i);
    }
    for (const auto& row : rows) {
        int h = 0;
        for (const Item& i : row) h = std::max(h, i.h);
        int left = x;
        for (const Item& i : row) {
            At(i.c, left, y + (h - i.h) / 2, i.w, i.h);
            left += i.w + gap;
        }
        y += h + gap;
    }
    return y - gap;
}

}  // namespace

FrmRen::FrmRen() : Form(QStringLiteral("frmRen")) {}

void FrmRen::Design() {
    SetCaption(QStringLiteral("Set Rename Criteria"));
    DesignInsert();
    DesignAuto();
    DesignCase();
    DesignSpace();
    DesignHandle();
    DesignReplace();
    DesignRemove();
    DesignExtension();
    DesignFooter();
    Arrange();
    // Where the load puts the dialog; a screen with too little room there takes it down to fit.
    System& sys = systemServices();
    FitForm(*this, {.place = QPoint(sys.ScreenWidthTwips() < 13000 ? 20 : 40,
                                    sys.ScreenHeightTwips() < 10000 ? 20 : 40),
                    .arrange = [this] { Arrange(); }});
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

// The rows name each control and what holds it; Arrange places them from the font once all are made.
void FrmRen::DesignCase() {
    Place({
        {&FrameCase, "FrameCase", ""},
        {&CheckCase, "CheckCase", "FrameCase", "Case : Change"},
        {&FrameCaseOption, "FrameCaseOption", "FrameCase"},
        {&OptionCase, 0, "OptionCase", "FrameCaseOption", "File Name"},
        {&OptionCase, 1, "OptionCase", "FrameCaseOption", "First Letter"},
        {&OptionCase, 2, "OptionCase", "FrameCaseOption", "First Letter of all Words"},
        {&FrameCaseSelect, "FrameCaseSelect", "FrameCase"},
        {&LabelCaseChangeTo, "LabelCaseChangeTo", "FrameCaseSelect", "Change To :"},
        {&ComboCase, "ComboCase", "FrameCaseSelect"},
    });
    FrameCaseOption->SetBorderStyle(0);
    FrameCaseSelect->SetBorderStyle(0);
    HideAll({FrameCaseOption, FrameCaseSelect});
}

void FrmRen::DesignExtension() {
    Place({
        {&FrameExt, "FrameExt", ""},
        {&CheckExt, "CheckExt", "FrameExt", "Extension : Change"},
        {&LabelExt, "LabelExt", "FrameExt", "New Extension :"},
        {&TextExt, "TextExt", "FrameExt"},
        {&LabelMaxExt, "LabelMaxExt", "FrameExt", "Max 7 Char."},
    });
    TextExt->SetMaxLength(7);
    HideAll({LabelExt, TextExt, LabelMaxExt});
}

void FrmRen::DesignSpace() {
    Place({
        {&FrameSpace, "FrameSpace", ""},
        {&CheckSpace, "CheckSpace", "FrameSpace", "Space : Remove || Replace"},
        {&OptionSpace, 0, "OptionSpace", "FrameSpace", "Remove"},
        {&OptionSpace, 1, "OptionSpace", "FrameSpace", "Replace with :"},
        {&FrameSpaceReplace, "FrameSpaceReplace", "FrameSpace"},
        {&TextSpaceWith, "TextSpaceWith", "FrameSpaceReplace"},
        {&LabelMaxSpace, "LabelMaxSpace", "FrameSpaceReplace", "Max. 8 Chars."},
        {&CheckSpaceAddSpace, "CheckSpaceAddSpace", "FrameSpaceReplace", "Include Space"},
    });
    FrameSpaceReplace->SetBorderStyle(0);
    TextSpaceWith->SetMaxLength(8);
    HideAll({OptionSpace[0], OptionSpace[1], FrameSpaceReplace});
}

void FrmRen::DesignHandle() {
    Place({
        {&FrameHandle, "FrameHandle", ""},
        {&FrameSpChar, "FrameSpChar", "FrameHandle"},
        {&CheckHandle, "CheckHandle", "FrameSpChar"},
        {&LabelSpThisChar, "LabelSpThisChar", "FrameSpChar", "Handle All Instances"},
        {&LabelSpThisChar2, "LabelSpThisChar2", "FrameSpChar", "of this Character or String :"},
        {&TextHandleThis, "TextHandleThis", "FrameSpChar"},
        {&FrameSpChangeTo, "FrameSpChangeTo", "FrameHandle"},
        {&OptionHandle, 0, "OptionHandle", "FrameSpChangeTo", "Remove"},
        {&OptionHandle, 1, "OptionHandle", "FrameSpChangeTo", "Change as Space"},
        {&OptionHandle, 2, "OptionHandle", "FrameSpChangeTo", "Replace with :"},
        {&TextHandleWith, "TextHandleWith", "FrameSpChangeTo"},
        {&LabelMaxHandle, "LabelMaxHandle", "FrameSpChangeTo", "Max. 8 Chars."},
        {&CheckHandleAddSpace, "CheckHandleAddSpace", "FrameSpChangeTo", "IncludeSpace"},
    });
    FrameHandle->SetBorderStyle(0);
    TextHandleWith->SetMaxLength(8);
    HideAll({TextHandleThis, FrameSpChangeTo, TextHandleWith, LabelMaxHandle, CheckHandleAddSpace});
}

void FrmRen::DesignInsert() {
    Place({
        {&FrameInsert, "FrameInsert", ""},
        {&CheckInsert, "CheckInsert", "FrameInsert"},
        {&LabelInsert, "LabelInsert", "FrameInsert", "Insert :"},
        {&ComboInsert, "ComboInsert", "FrameInsert"},
        {&TextInsertAfterNumChar, "TextInsertAfterNumChar", "FrameInsert"},
        {&TextInsertAfterString, "TextInsertAfterString", "FrameInsert"},
        {&LabelMaxInsert, "LabelMaxInsert", "FrameInsert", "Max. 2 Digits"},
        {&LabelInsertHighDigit, "LabelInsertHighDigit", "FrameInsert", "Must be higher than 0 (zero)"},
        {&FrameInsertThis, "FrameInsertThis", "FrameInsert", "Insert This"},
        {&TextInsertThis, "TextInsertThis", "FrameInsertThis"},
        {&CheckInsertAddSpace, "CheckInsertAddSpace", "FrameInsertThis", "Include Space"},
    });
    TextInsertAfterNumChar->SetMaxLength(2);
    HideAll({ComboInsert, TextInsertAfterNumChar, TextInsertAfterString, LabelMaxInsert, LabelInsertHighDigit,
             FrameInsertThis});
}

void FrmRen::DesignReplace() {
    Place({
        {&FrameReplace, "FrameReplace", ""},
        {&CheckReplace, "CheckReplace", "FrameReplace"},
        {&LabelReplace, "LabelReplace", "FrameReplace", "Replace :"},
        {&ComboReplace, "ComboReplace", "FrameReplace"},
        {&TextReplaceString, "TextReplaceString", "FrameReplace"},
        {&TextReplaceAfterNumChar, "TextReplaceAfterNumChar", "FrameReplace"},
        {&TextReplaceAfterString, "TextReplaceAfterString", "FrameReplace"},
        {&TextReplaceCharAfterNumChar, "TextReplaceCharAfterNumChar", "FrameReplace"},
        {&TextReplaceCharAfterString, "TextReplaceCharAfterString", "FrameReplace"},
        {&LabelMaxReplace, "LabelMaxReplace", "FrameReplace", "Max. 2 Digits"},
        {&LabelReplaceHighDigit, "LabelReplaceHighDigit", "FrameReplace", "Must be higher than 0 (zero)"},
        {&FrameReplaceNumChar, "FrameReplaceNumChar", "FrameReplace", "Number of Character"},
        {&TextReplaceNumChar, "TextReplaceNumChar", "FrameReplaceNumChar"},
        {&LabelReplaceNumChar, "LabelReplaceNumChar", "FrameReplaceNumChar", "To Replace"},
        {&FrameReplaceWith, "FrameReplaceWith", "FrameReplace", "Replace With This"},
        {&TextReplaceWith, "TextReplaceWith", "FrameReplaceWith"},
        {&CheckReplaceAddSpace, "CheckReplaceAddSpace", "FrameReplaceWith", "Include Space"},
    });
    for (TextBox* b : {TextReplaceAfterNumChar, TextReplaceCharAfterNumChar, TextReplaceNumChar})
        b->SetMaxLength(2);
    HideAll({ComboReplace, TextReplaceString, TextReplaceAfterNumChar, TextReplaceAfterString,
             TextReplaceCharAfterNumChar, TextReplaceCharAfterString, LabelMaxReplace, LabelReplaceHighDigit,
             FrameReplaceNumChar, FrameReplaceWith});
}

void FrmRen::DesignRemove() {
    Place({
        {&FrameRemove, "FrameRemove", ""},
        {&CheckRemove, "CheckRemove", "FrameRemove"},
        {&LabelRemove, "LabelRemove", "FrameRemove", "Remove :"},
        {&ComboRemove, "ComboRemove", "FrameRemove"},
        {&TextRemoveString, "TextRemoveString", "FrameRemove"},
        {&TextRemoveAfterNumChar, "TextRemoveAfterNumChar", "FrameRemove"},
        {&TextRemoveAfterString, "TextRemoveAfterString", "FrameRemove"},
        {&TextRemoveCharAfterNumChar, "TextRemoveCharAfterNumChar", "FrameRemove"},
        {&TextRemoveCharAfterString, "TextRemoveCharAfterString", "FrameRemove"},
        {&LabelMaxRemove, "LabelMaxRemove", "FrameRemove", "Max. 2 Digits"},
        {&LabelRemoveHighDigit, "LabelRemoveHighDigit", "FrameRemove", "Must be higher than 0 (zero)"},
        {&FrameRemoveNumChar, "FrameRemoveNumChar", "FrameRemove", "Number of Character"},
        {&TextRemoveNumChar, "TextRemoveNumChar", "FrameRemoveNumChar"},
        {&LabelRemoveNumChar, "LabelRemoveNumChar", "FrameRemoveNumChar", "To Remove"},
    });
    for (TextBox* b : {TextRemoveAfterNumChar, TextRemoveCharAfterNumChar, TextRemoveNumChar})
        b->SetMaxLength(2);
    HideAll({ComboRemove, TextRemoveString, TextRemoveAfterNumChar, TextRemoveAfterString,
             TextRemoveCharAfterNumChar, TextRemoveCharAfterString, LabelMaxRemove, LabelRemoveHighDigit,
             FrameRemoveNumChar});
}

void FrmRen::DesignAuto() {
    Place({
        {&FrameAuto, "FrameAuto", ""},
        {&LabelAuto, "LabelAuto", "FrameAuto", "Auto :"},
        {&OptionAuto, 0, "OptionAuto", "FrameAuto", "No"},
        {&OptionAuto, 1, "OptionAuto", "FrameAuto", "Number"},
        {&OptionAuto, 2, "OptionAuto", "FrameAuto", "Letter"},
        {&ComboAutoPlace, "ComboAutoPlace", "FrameAuto"},
        {&TextAutoAfterNumChar, "TextAutoAfterNumChar", "FrameAuto"},
        {&TextAutoAfterString, "TextAutoAfterString", "FrameAuto"},
        {&LabelMaxAuto, "LabelMaxAuto", "FrameAuto", "Max. 2 Digits"},
        {&LabelAutoHighDigit, "LabelAutoHighDigit", "FrameAuto", "Must be higher than 0 (zero)"},
        {&FrameAutoStart, "FrameAutoStart", "FrameAuto"},
        {&TextAutoStart, "TextAutoStart", "FrameAutoStart"},
        {&LabelAutoMaxLength, "LabelAutoMaxLength", "FrameAutoStart"},
        {&LabelAutoZeroFill, "LabelAutoZeroFill", "FrameAuto", "Zero Fill"},
        {&ComboAutoZeroFill, "ComboAutoZeroFill", "FrameAuto"},
        {&CheckAutoLetter, "CheckAutoLetter", "FrameAuto", "Small Letter"},
    });
    TextAutoAfterNumChar->SetMaxLength(2);
    HideAll({ComboAutoPlace, TextAutoAfterNumChar, TextAutoAfterString, LabelMaxAuto, LabelAutoHighDigit,
             FrameAutoStart, LabelAutoZeroFill, ComboAutoZeroFill, CheckAutoLetter});
}

void FrmRen::DesignFooter() {
    Place({
        {&LabelFooter1, "LabelFooter1", "", "For the settings to take effect"},
        {&LabelFooter2, "LabelFooter2", "", "Must Press  OK"},
        {&CommandOK, "CommandOK", "", "OK"},
        {&CommandCancel, "CommandCancel", "", "Cancel"},
    });
}

// Three columns of frames as the criteria are read: Insert and Replace; Auto, Remove and Extension;
// Case, Space and the handled character; OK and Cancel below. Each box a choice shows lies in the
// room kept for it, so a frame never grows or covers another whatever is ticked; boxes that stand
// for one another (an N or a string for the same place) share one spot.
void FrmRen::Arrange() {
    const Metrics m(FormFont(*this));
    const int p = m.pad, g = m.gap;
    const int count = m.boxW(3);
    const int indent = 2 * g;  // the place boxes sit a little in from the list they follow

    // A frame's column: the widest list or row it holds.
    const QString autoCaptions[] = {QStringLiteral("Start From This Number :"),
                                    QStringLiteral("Start From These Letters :")};
    const QString autoLimits[] = {QStringLiteral("Maximum 5 Digits."), QStringLiteral("Maximum 3 Letters.")};
    int listCol = std::max({m.comboW(criteria::InsertPlaces()), m.comboW(criteria::ReplaceKinds()),
                            m.comboW(criteria::RemoveKinds()), m.comboW(criteria::AutoPlaces())});
    listCol = std::max(listCol, m.text(LabelAuto->Caption()) + m.radioW(QStringLiteral("No")) +
                                    m.radioW(QStringLiteral("Number")) + m.radioW(QStringLiteral("Letter")) +
                                    3 * g);
    listCol = std::max(listCol, indent + count + g + m.text(LabelMaxInsert->Caption()));
    listCol = std::max(listCol, indent + m.text(LabelInsertHighDigit->Caption()));
    for (int i = 0; i < 2; ++i) {
        listCol = std::max(listCol, m.frameCaptionW(autoCaptions[i]) + 2 * p);
        listCol = std::max(listCol, 2 * p + m.boxW(5) + g + m.text(autoLimits[i]));
    }
    listCol = std::max(listCol, m.frameCaptionW(FrameReplaceNumChar->Caption()) + 2 * p);
    listCol = std::max(listCol, 2 * p + count + g + m.text(LabelReplaceNumChar->Caption()));
    listCol = std::max(listCol, m.text(LabelAutoZeroFill->Caption()) + g + m.comboW(criteria::ZeroFills()));
    listCol = std::max(listCol, m.checkW(CheckAutoLetter->Caption()));
    listCol = std::max(listCol, m.checkW(CheckExt->Caption()));
    listCol = std::max(listCol,
                       m.text(LabelExt->Caption()) + g + std::max(m.boxW(7), m.text(LabelMaxExt->Caption())));

    int sideCol = 0;
    for (const QString& s : {CheckCase->Caption(), CheckSpace->Caption(), CheckSpaceAddSpace->Caption(),
                             CheckHandleAddSpace->Caption()})
        sideCol = std::max(sideCol, m.checkW(s));
    for (OptionButton* o : OptionCase.items()) sideCol = std::max(sideCol, m.radioW(o->Caption()));
    for (OptionButton* o : OptionHandle.items()) sideCol = std::max(sideCol, m.radioW(o->Caption()));
    sideCol = std::max(sideCol, m.text(LabelCaseChangeTo->Caption()) + g + m.comboW(criteria::CaseChoices()));
    sideCol = std::max(sideCol, m.boxW(8) + g + m.text(LabelMaxSpace->Caption()));
    sideCol = std::max(sideCol, m.check + g + m.text(LabelSpThisChar->Caption()));
    sideCol = std::max(sideCol, m.text(LabelSpThisChar2->Caption()));

    const int labelDrop = (m.edit - m.labelH()) / 2;

    // The criterion's switch and its name, then its list.
    auto head = [&](CheckBox* check, Label* name, ComboBox* list, int y) {
        At(check, p, y, m.check, m.check);
        At(name, p + m.check + g, y + (m.check - m.labelH()) / 2, m.text(name->Caption()), m.labelH());
        y += m.check + g;
        At(list, p, y, listCol, m.combo);
        return y + m.combo + g;
    };
    // The place boxes on one spot, the count limit beside them and the rule under them.
    auto place = [&](std::initializer_list<TextBox*> counts, std::initializer_list<TextBox*> strings,
                     Label* max, Label* high, int y) {
        for (TextBox* b : counts) At(b, p + indent, y, count, m.edit);
        for (TextBox* b : strings) At(b, p + indent, y, listCol - indent, m.edit);
        At(max, p + indent + count + g, y + labelDrop, m.text(max->Caption()), m.labelH());
        y += m.edit + g;
        At(high, p + indent, y, m.text(high->Caption()), m.labelH());
        return y + m.labelH() + g;
    };
    // A captioned frame with a text box and its include-space box.
    auto textFrame = [&](Frame* f, TextBox* box, CheckBox* space, int y) {
        At(box, p, m.line, listCol - 2 * p, m.edit);
        At(space, p, m.line + m.edit + g, m.checkW(space->Caption()), m.check);
        const int h = m.line + m.edit + g + m.check + p;
        At(f, p, y, listCol, h);
        return y + h + g;
    };
    // A captioned frame with a count box and its label.
    auto countFrame = [&](Frame* f, TextBox* box, Label* label, int y) {
        At(box, p, m.line, count, m.edit);
        At(label, p + count + g, m.line + labelDrop, m.text(label->Caption()), m.labelH());
        const int h = m.line + m.edit + p;
        At(f, p, y, listCol, h);
        return y + h + g;
    };

    const int frameW = listCol + 2 * p;
    const int margin = 8;
    const int colA = margin, colB = colA + frameW + margin, colC = colB + frameW + margin;
    const int sideW = sideCol + 2 * p;

    // Insert
    int y = head(CheckInsert, LabelInsert, ComboInsert, p);
    y = place({TextInsertAfterNumChar}, {TextInsertAfterString}, LabelMaxInsert, LabelInsertHighDigit, y);
    y = textFrame(FrameInsertThis, TextInsertThis, CheckInsertAddSpace, y);
    FrameInsert->Move(colA, margin, frameW, y - g + p);
    int bottomA = FrameInsert->Top() + FrameInsert->Height();

    // Replace
    y = head(CheckReplace, LabelReplace, ComboReplace, p);
    y = place({TextReplaceAfterNumChar, TextReplaceCharAfterNumChar},
              {TextReplaceString, TextReplaceAfterString, TextReplaceCharAfterString}, LabelMaxReplace,
              LabelReplaceHighDigit, y);
    y = countFrame(FrameReplaceNumChar, TextReplaceNumChar, LabelReplaceNumChar, y);
    y = textFrame(FrameReplaceWith, TextReplaceWith, CheckReplaceAddSpace, y);
    FrameReplace->Move(colA, bottomA + margin, frameW, y - g + p);
    bottomA = FrameReplace->Top() + FrameReplace->Height();

    // Auto: the type beside its name, the place list, then the start and how it is written.
    At(LabelAuto, p, p + (m.check - m.labelH()) / 2, m.text(LabelAuto->Caption()), m.labelH());
    {
        int x = p + m.text(LabelAuto->Caption()) + g;
        for (OptionButton* o : OptionAuto.items()) {
            At(o, x, p, m.radioW(o->Caption()), m.check);
            x += m.radioW(o->Caption()) + g;
        }
    }
    y = p + m.check + g;
    At(ComboAutoPlace, p, y, listCol, m.combo);
    y += m.combo + g;
    y = place({TextAutoAfterNumChar}, {TextAutoAfterString}, LabelMaxAuto, LabelAutoHighDigit, y);
    At(TextAutoStart, p, m.line, m.boxW(5), m.edit);
    At(LabelAutoMaxLength, p + m.boxW(5) + g, m.line + labelDrop,
       std::max(m.text(autoLimits[0]), m.text(autoLimits[1])), m.labelH());
    const int startH = m.line + m.edit + p;
    At(FrameAutoStart, p, y, listCol, startH);
    y += startH + g;
    const int fillW = m.comboW(criteria::ZeroFills());
    At(LabelAutoZeroFill, p, y + (m.combo - m.labelH()) / 2, m.text(LabelAutoZeroFill->Caption()),
       m.labelH());
    At(ComboAutoZeroFill, p + m.text(LabelAutoZeroFill->Caption()) + g, y, fillW, m.combo);
    At(CheckAutoLetter, p, y + (m.combo - m.check) / 2, m.checkW(CheckAutoLetter->Caption()), m.check);
    y += m.combo + g;
    FrameAuto->Move(colB, margin, frameW, y - g + p);
    int bottomB = FrameAuto->Top() + FrameAuto->Height();

    // Remove
    y = head(CheckRemove, LabelRemove, ComboRemove, p);
    y = place({TextRemoveAfterNumChar, TextRemoveCharAfterNumChar},
              {TextRemoveString, TextRemoveAfterString, TextRemoveCharAfterString}, LabelMaxRemove,
              LabelRemoveHighDigit, y);
    y = countFrame(FrameRemoveNumChar, TextRemoveNumChar, LabelRemoveNumChar, y);
    FrameRemove->Move(colB, bottomB + margin, frameW, y - g + p);
    bottomB = FrameRemove->Top() + FrameRemove->Height();

    // Extension
    At(CheckExt, p, p, m.checkW(CheckExt->Caption()), m.check);
    y = p + m.check + g;
    At(LabelExt, p, y + labelDrop, m.text(LabelExt->Caption()), m.labelH());
    At(TextExt, p + m.text(LabelExt->Caption()) + g, y, m.boxW(7), m.edit);
    y += m.edit + g;
    At(LabelMaxExt, p + m.text(LabelExt->Caption()) + g, y, m.text(LabelMaxExt->Caption()), m.labelH());
    y += m.labelH();
    FrameExt->Move(colB, bottomB + margin, frameW, y + p);
    bottomB = FrameExt->Top() + FrameExt->Height();

    // Case: the scope, then what it changes to.
    At(CheckCase, p, p, m.checkW(CheckCase->Caption()), m.check);
    y = p + m.check + g;
    {
        const int h = Flow({{OptionCase[0], m.radioW(OptionCase[0]->Caption()), m.check},
                            {OptionCase[1], m.radioW(OptionCase[1]->Caption()), m.check},
                            {OptionCase[2], m.radioW(OptionCase[2]->Caption()), m.check}},
                           0, 0, sideCol, g);
        At(FrameCaseOption, p, y, sideCol, h);
        y += h + g;
        const int w = m.text(LabelCaseChangeTo->Caption());
        At(LabelCaseChangeTo, 0, (m.combo - m.labelH()) / 2, w, m.labelH());
        At(ComboCase, w + g, 0, m.comboW(criteria::CaseChoices()), m.combo);
        At(FrameCaseSelect, p, y, sideCol, m.combo);
        y += m.combo;
    }
    FrameCase->Move(colC, margin, sideW, y + p);
    int bottomC = FrameCase->Top() + FrameCase->Height();

    // Space
    At(CheckSpace, p, p, m.checkW(CheckSpace->Caption()), m.check);
    y = Flow({{OptionSpace[0], m.radioW(OptionSpace[0]->Caption()), m.check},
              {OptionSpace[1], m.radioW(OptionSpace[1]->Caption()), m.check}},
             p, p + m.check + g, p + sideCol, g) +
        g;
    {
        const int h = Flow({{TextSpaceWith, m.boxW(8), m.edit},
                            {LabelMaxSpace, m.text(LabelMaxSpace->Caption()), m.labelH()},
                            {CheckSpaceAddSpace, m.checkW(CheckSpaceAddSpace->Caption()), m.check}},
                           0, 0, sideCol, g);
        At(FrameSpaceReplace, p, y, sideCol, h);
        y += h;
    }
    FrameSpace->Move(colC, bottomC + margin, sideW, y + p);
    bottomC = FrameSpace->Top() + FrameSpace->Height();

    // The character or string to handle, then what becomes of it.
    At(CheckHandle, p, p, m.check, m.check);
    At(LabelSpThisChar, p + m.check + g, p + (m.check - m.labelH()) / 2, m.text(LabelSpThisChar->Caption()),
       m.labelH());
    y = Flow({{LabelSpThisChar2, m.text(LabelSpThisChar2->Caption()), m.labelH()},
              {TextHandleThis, m.boxW(8), m.edit}},
             p, p + m.check + g, p + sideCol, g);
    const int handleTop = bottomC + margin;
    At(FrameSpChar, 0, 0, sideW, y + p);
    const int changeTop = y + p + margin;

    y = Flow({{OptionHandle[0], m.radioW(OptionHandle[0]->Caption()), m.check},
              {OptionHandle[1], m.radioW(OptionHandle[1]->Caption()), m.check}},
             p, p, p + sideCol, g) +
        g;
    y = Flow({{OptionHandle[2], m.radioW(OptionHandle[2]->Caption()), m.check},
              {TextHandleWith, m.boxW(8), m.edit}},
             p, y, p + sideCol, g) +
        g;
    y = Flow({{LabelMaxHandle, m.text(LabelMaxHandle->Caption()), m.labelH()},
              {CheckHandleAddSpace, m.checkW(CheckHandleAddSpace->Caption()), m.check}},
             p, y, p + sideCol, g);
    At(FrameSpChangeTo, 0, changeTop, sideW, y + p);
    FrameHandle->Move(colC, handleTop, sideW, changeTop + y + p);
    bottomC = FrameHandle->Top() + FrameHandle->Height();

    AlignFrames();

    // Footer: the reminder on the left, the buttons on the right, under the longest column.
    const int width = colC + sideW + margin;
    const int top = std::max({bottomA, bottomB, bottomC}) + margin;
    const int buttonW = std::max(m.text(CommandCancel->Caption()) + 4 * m.pad, 6 * m.line);
    const int buttonH = m.combo + m.pad;
    LabelFooter1->Move(margin, top, m.text(LabelFooter1->Caption()), m.labelH());
    LabelFooter2->Move(margin, top + m.labelH(), m.text(LabelFooter2->Caption()), m.labelH());
    CommandCancel->Move(width - margin - buttonW, top, buttonW, buttonH);
    CommandOK->Move(width - 2 * (margin + buttonW), top, buttonW, buttonH);
    const int height = top + std::max(buttonH, 2 * m.labelH()) + margin;
    Move(300, 300, width, height);
    // Laid out for this size: a smaller window would put OK and Cancel out of reach.
    FixWindowSize(*this, width, height);
}

// At a fractional display scale (125 %, 150 %) a frame whose left or top edge falls between two screen
// pixels loses that border. Each frame's top left corner goes to the nearest multiple of four pixels
// of the window, a whole screen pixel at any scale in quarters, and what it holds stays where it was:
// two pixels out or one in at most, within the padding and the gaps around a frame. A frame without a
// border, whose controls may touch its edge, only goes out.
void FrmRen::AlignFrames() {
    constexpr int step = 4;
    for (const auto& c : Controls()) {  // containers come before what they hold
        const auto* frame = dynamic_cast<const Frame*>(c.get());
        if (!frame)
            continue;
        // How far the edge goes out (negative: in).
        auto out = [bordered = frame->BorderStyle() != 0](int v) {
            const int off = v % step;
            return !bordered || off <= step / 2 ? off : off - step;
        };
        const QPoint at = PlaceInWindow(*c).topLeft();
        const int dx = out(at.x()), dy = out(at.y());
        if (dx == 0 && dy == 0)
            continue;
        const int unit = c->Container() ? T : 1;
        c->Move(c->Left() - dx * unit, c->Top() - dy * unit, c->Width() + dx * unit, c->Height() + dy * unit);
        for (const auto& held : Controls())
            if (held->Container() == c.get())
                held->Move(held->Left() + dx * T, held->Top() + dy * T, held->Width(), held->Height());
    }
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
        if (!name.isEmpty())
            c->SetAccessibleName(name);
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
    for (const auto& [control, text] : described) control->SetAccessibleName(QString::fromLatin1(text));
}

void FrmRen::Form_Load() {
    S.CriteriaDialogLoading = true;
    System& sys = systemServices();
    const int top = sys.ScreenHeightTwips() < 10000 ? 300 : 600;
    const int left = sys.ScreenWidthTwips() < 13000 ? 300 : 600;
    // The window's place is given in twips; its size and the frames' places come from the font.
    Move(left / T, top / T, Width(), Height());
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

FrmRen& frmRenAsIs() {
    static FrmRen form;
    return form;
}

FrmRen& frmRen() {
    FrmRen& form = frmRenAsIs();
    form.FinishLoad();
    return form;
}

}  // namespace qv
