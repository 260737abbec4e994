// The prose of every help page, kept as data beside the code.
#pragma once

#include <QString>

#include "help/topic_engine.h"

namespace qv::help {

// The page's text, lines joined with "\n"; "" for a page without one.
QString PageText(Page page, const QString& helpVersion);

// The two texts of picture frame 3, for the pages that fill it (Getting Help, Uninstallation and
// Update, About); both "" for other pages.
struct IntroTexts {
    QString first;
    QString second;
};
IntroTexts PageIntroTexts(Page page);

}  // namespace qv::help
