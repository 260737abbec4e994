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

// Whether the committed by-string or by-extension rule takes a file of this name (the automatic
// selection and the help that explains it judge alike).
bool SelectionRuleMatches(const QString& name);

}  // namespace qv
