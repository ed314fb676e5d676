// "プリンターの設定...": the printer's paper size and source. The page margins come from the
// document and the sheet is laid out upright, so neither this dialog nor the print dialog's
// printer properties offer margins or an orientation.
#pragma once

#include <QObject>

class QPrinter;
class QWidget;

// Hides the controls of a page setup form within dialog whose settings the printed pages
// would not follow.
void HideIneffectiveSetup(QWidget& dialog);

void RunPageSetupDialog(QPrinter& printer, QWidget* parent);

// While it exists, every dialog that shows a page setup form (the print dialog's printer
// properties) shows it without those controls.
class CIneffectiveSetupHider : public QObject {
    Q_OBJECT
public:
    CIneffectiveSetupHider();
    ~CIneffectiveSetupHider() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
