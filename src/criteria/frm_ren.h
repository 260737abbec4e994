// frmRen: the rename-criteria dialog (loaded hidden at start-up, then shown and hidden). Every
// control writes a pending field; only the commit copies pending to committed.
//
// The class is split by concern: frm_ren.cpp lays the dialog out, frm_ren_show.cpp holds the click
// handlers, the place chains and the loaders, frm_ren_rules.cpp the input rules of the boxes, and
// frm_ren_ok.cpp opening, OK, Cancel and the completeness check.
#pragma once

#include <QString>
#include <QStringList>

#include "forms/forms.h"

namespace qv {

// The dialog's controls, each bound by its placement row (and so cleared when the form drops them).
struct FrmRenControls {
    // Case
    Frame* FrameCase = nullptr;
    CheckBox* CheckCase = nullptr;
    Frame* FrameCaseOption = nullptr;
    ControlArray<OptionButton> OptionCase;
    Frame* FrameCaseSelect = nullptr;
    Label* LabelCaseChangeTo = nullptr;
    ComboBox* ComboCase = nullptr;

    // Extension
    Frame* FrameExt = nullptr;
    CheckBox* CheckExt = nullptr;
    Label* LabelExt = nullptr;
    Label* LabelMaxExt = nullptr;
    TextBox* TextExt = nullptr;

    // Space
    Frame* FrameSpace = nullptr;
    CheckBox* CheckSpace = nullptr;
    ControlArray<OptionButton> OptionSpace;
    Frame* FrameSpaceReplace = nullptr;
    TextBox* TextSpaceWith = nullptr;
    Label* LabelMaxSpace = nullptr;
    CheckBox* CheckSpaceAddSpace = nullptr;

    // Handle a character or string. Its two frames share a borderless one, so that the keyboard goes
    // from the handled string to its replacement: a tab order holds within a window's outermost frame.
    Frame* FrameHandle = nullptr;
    Frame* FrameSpChar = nullptr;
    CheckBox* CheckHandle = nullptr;
    Label* LabelSpThisChar = nullptr;
    Label* LabelSpThisChar2 = nullptr;
    TextBox* TextHandleThis = nullptr;
    Frame* FrameSpChangeTo = nullptr;
    ControlArray<OptionButton> OptionHandle;
    TextBox* TextHandleWith = nullptr;
    Label* LabelMaxHandle = nullptr;
    CheckBox* CheckHandleAddSpace = nullptr;

    // Insert
    Frame* FrameInsert = nullptr;
    CheckBox* CheckInsert = nullptr;
    Label* LabelInsert = nullptr;
    ComboBox* ComboInsert = nullptr;
    TextBox* TextInsertAfterNumChar = nullptr;
    TextBox* TextInsertAfterString = nullptr;
    Label* LabelMaxInsert = nullptr;
    Label* LabelInsertHighDigit = nullptr;
    Frame* FrameInsertThis = nullptr;
    TextBox* TextInsertThis = nullptr;
    CheckBox* CheckInsertAddSpace = nullptr;

    // Replace
    Frame* FrameReplace = nullptr;
    CheckBox* CheckReplace = nullptr;
    Label* LabelReplace = nullptr;
    ComboBox* ComboReplace = nullptr;
    TextBox* TextReplaceString = nullptr;
    TextBox* TextReplaceAfterNumChar = nullptr;
    TextBox* TextReplaceAfterString = nullptr;
    TextBox* TextReplaceCharAfterNumChar = nullptr;
    TextBox* TextReplaceCharAfterString = nullptr;
    Label* LabelMaxReplace = nullptr;
    Label* LabelReplaceHighDigit = nullptr;
    Frame* FrameReplaceNumChar = nullptr;
    Label* LabelReplaceNumChar = nullptr;
    TextBox* TextReplaceNumChar = nullptr;
    Frame* FrameReplaceWith = nullptr;
    TextBox* TextReplaceWith = nullptr;
    CheckBox* CheckReplaceAddSpace = nullptr;

    // Remove
    Frame* FrameRemove = nullptr;
    CheckBox* CheckRemove = nullptr;
    Label* LabelRemove = nullptr;
    ComboBox* ComboRemove = nullptr;
    TextBox* TextRemoveString = nullptr;
    TextBox* TextRemoveAfterNumChar = nullptr;
    TextBox* TextRemoveAfterString = nullptr;
    TextBox* TextRemoveCharAfterNumChar = nullptr;
    TextBox* TextRemoveCharAfterString = nullptr;
    Label* LabelMaxRemove = nullptr;
    Label* LabelRemoveHighDigit = nullptr;
    Frame* FrameRemoveNumChar = nullptr;
    Label* LabelRemoveNumChar = nullptr;
    TextBox* TextRemoveNumChar = nullptr;

    // Auto number or letters
    Frame* FrameAuto = nullptr;
    Label* LabelAuto = nullptr;
    ControlArray<OptionButton> OptionAuto;
    ComboBox* ComboAutoPlace = nullptr;
    TextBox* TextAutoAfterNumChar = nullptr;
    TextBox* TextAutoAfterString = nullptr;
    Label* LabelMaxAuto = nullptr;
    Label* LabelAutoHighDigit = nullptr;
    Frame* FrameAutoStart = nullptr;
    TextBox* TextAutoStart = nullptr;
    Label* LabelAutoMaxLength = nullptr;
    Label* LabelAutoZeroFill = nullptr;
    ComboBox* ComboAutoZeroFill = nullptr;
    CheckBox* CheckAutoLetter = nullptr;

    // Footer
    Label* LabelFooter1 = nullptr;
    Label* LabelFooter2 = nullptr;
    CommandButton* CommandOK = nullptr;
    CommandButton* CommandCancel = nullptr;
};

class FrmRen : public Form, public FrmRenControls {
  public:
    FrmRen();

    // Loaders: the committed criteria into the controls (and, through their handlers, the pending
    // fields).
    void ShowRenExtension();
    void ShowRenCase();
    void ShowRenHandle();
    void ShowRenSpace();
    void ShowRenInsert();
    void ShowRenReplace();
    void ShowRenRemove();
    void ShowRenAuto();
    // All eight, in their order, with no focus moved.
    void LoadCommitted();

    void CommandOK_Click();
    void CommandCancel_Click();

    // The completeness check of OK and the switching off of what it found incomplete.
    void CheckRenameCriteria();
    void ClearIncompleteCriteria();

  protected:
    void Design() override;
    void Form_Load() override;

  private:
    struct Incomplete {
        int count = 0;
        bool extension = false, caseChange = false, handle = false, space = false, insert = false,
             replace = false, remove = false, autoValue = false;
        QStringList names;
    };

    // Layout (frm_ren.cpp)
    void DesignCase();
    void DesignExtension();
    void DesignSpace();
    void DesignHandle();
    void DesignInsert();
    void DesignReplace();
    void DesignRemove();
    void DesignAuto();
    void DesignFooter();
    void Arrange();
    void AlignFrames();
    void Describe();
    void FillCriteriaLists();

    // Writes that always run the control's handler, also when the value does not change, so that
    // the pending fields follow what the control shows.
    static void Put(CheckBox* c, int v);
    static void Put(ListControl* c, int i);
    static void Put(TextBox* c, const QString& t);
    static void Choose(ControlArray<OptionButton>& group, int index);  // -1 clears every button
    // The focus goes only to a control a user can reach, and never while loading.
    static void Focus(Control* c);

    // Switch and choice handlers (frm_ren_show.cpp)
    void CheckCase_Click();
    void OptionCase_Click(int index);
    void ComboCase_Click();
    void CheckExt_Click();
    void CheckSpace_Click();
    void OptionSpace_Click(int index);
    void CheckHandle_Click();
    void OptionHandle_Click(int index);
    void CheckInsert_Click();
    void CheckReplace_Click();
    void CheckRemove_Click();
    void ComboInsert_Click();
    void ComboReplace_Click();
    void ComboRemove_Click();
    void OptionAuto_Click(int index);
    void ComboAutoPlace_Click();
    void ComboAutoZeroFill_Click();
    void CheckAutoLetter_Click();

    void ShowRenInsertPlace();
    void ShowRenReplacePlace();
    void ShowRenRemovePlace();
    void ShowRenAutoOption();
    void ShowRenAutoPlace();
    void SetRenInsertTexts();
    void SetRenReplaceTexts();
    void SetRenRemoveTexts();
    void SetRenAutoTexts();
    void SetRenAutoLimits();
    void SetRenInsertTabOrder();
    void SetRenReplaceTabOrder();
    void SetRenRemoveTabOrder();
    void SetRenAutoTabOrder();
    // Which boxes and follow-on frames of a criterion show, from its choice and what its boxes hold.
    void InsertChain();
    void ReplaceChain();
    void RemoveChain();
    void AutoChain();
    void HandleChain();
    // The committed Handle mode, -1 when Handle is off.
    static int CommittedHandleMode();

    // Input rules (frm_ren_rules.cpp)
    void WireRules();
    void CountKeyPress(TextBox* box, int& key);
    bool CountChange(TextBox* box);
    void AutoStartKeyPress(int& key);
    void TextAutoStart_Change();
    void NewTextKeyPress(TextBox* box, bool spaceAllowed, int& key);
    bool NewTextChange(TextBox* box, bool spaceAllowed, int maxChars);
    void TextExt_KeyPress(int& key);
    bool StringChange(TextBox* box);
    void AddSpaceClick(CheckBox* check, TextBox* box, bool& pending);
    QString CountDigitText(const TextBox* box) const;
    QString CountZeroText(const TextBox* box) const;

    void TextHandleThis_Change();

    Incomplete incomplete_;
    QString autoStartAccepted_;  // the start box's last accepted text, for a refused paste
};

FrmRen& frmRen();
// The same without finishing a load left for later.
FrmRen& frmRenAsIs();

}  // namespace qv
