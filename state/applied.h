// The colors the desktop had before each apply of this run, the last on
// top: what Undo Apply puts back, one apply at a time.
#pragma once
#include <stddef.h>

#include "../core/colorset.h"

// Keeps the colors found before an apply; past the limit the oldest go.
void RecordApply(const WholeColorSet &before);
bool CanUndoApply();
// The colors before the last apply, which is forgotten. False when there
// is none.
bool TakeLastApply(WholeColorSet *before);
// How many applies are kept; forgetting those after the first count (what
// the editor's Cancel has taken back itself).
size_t AppliesRecorded();
void ForgetAppliesAfter(size_t count);
