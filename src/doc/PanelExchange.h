// Exchange between the input panel and a case: the panel shows lengths in centimetres and
// angles in degrees, the case holds metres and radians. The panel follows a case only when it
// is filled; what is typed reaches a case only when it is read.
#pragma once

#include "doc/DialogControls.h"
#include "model/RTData.h"

// The values of a new case, under the title the panel proposes for a first case.
void FillPanelDefaults(IDialogControls& panel);

// The values of a stored case.
void FillPanel(IDialogControls& panel, const CRTData& rt);

// Every panel field into the case; other fields of the case keep their values. Nothing is
// rejected: text that is no number reads as 0 (or as the number it starts with).
void ReadPanel(const IDialogControls& panel, CRTData& rt);

// After a click on the φ check box: converts the friction field between φ and KA and
// relabels it to the box's new state.
void ConvertPhiField(IDialogControls& panel);
