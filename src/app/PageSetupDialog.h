// "プリンターの設定...": the printer's paper size and source. The page margins come from the
// document and the sheet is laid out upright, so the dialog offers neither margins nor an
// orientation.
#pragma once

class QPageSetupDialog;
class QPrinter;
class QWidget;

// Hides the controls of the dialog whose settings the printed pages would not follow.
void HideIneffectiveSetup(QPageSetupDialog& dialog);

void RunPageSetupDialog(QPrinter& printer, QWidget* parent);
