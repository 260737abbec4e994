// The Little Help: what to do next, worked out from the state alone. The panel controller writes it
// on the main window (SetButInfo) after every refresh of the buttons.
#pragma once

#include <QString>
#include <array>

namespace qv {

struct LittleHelpTexts {
    QString head;                 // LabelHelpOption
    QString priority;             // FramePriInfo
    QString selection;            // LabelSelectFile
    QString listHead;             // LabelListFile
    QString fileNum;              // LabelFileNum
    QString spaceFree;            // LabelSpaceFree
    std::array<QString, 4> info;  // LabelInfo1 to LabelInfo4
    bool resetVisible = false;    // LabelInfoReset
};

LittleHelpTexts LittleHelp();

// The committed by-string or by-extension rule, read once: whether it takes a file of a name (the
// automatic selection and the help that explains it judge alike). A walk over many names folds the
// rule's text once, not for every name.
class SelectionRule {
  public:
    SelectionRule();
    bool Matches(const QString& name) const;

  private:
    bool active_ = false;
    bool byString_ = false;
    bool caseSensitive_ = false;
    QString needle_;
};

}  // namespace qv
