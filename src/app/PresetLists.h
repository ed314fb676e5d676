// The values offered in the drop-down lists of the input panel and the detail dialog, by the
// control id of the field; one table, so that a list both show is the same in both.
#pragma once

#include <QStringList>

// The presets of a field; empty for a field that is a plain edit.
const QStringList& PresetList(int controlId);
