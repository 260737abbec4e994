// The criteria dialog's choice lists. The dialog stores list positions; the commit turns them into
// the engine's type strings, so both read the lists from here.
#pragma once

#include <QStringList>

namespace qv::criteria {

const QStringList& InsertPlaces();
const QStringList& ReplaceKinds();
const QStringList& RemoveKinds();
const QStringList& AutoPlaces();
const QStringList& ZeroFills();
const QStringList& CaseChoices();

}  // namespace qv::criteria
