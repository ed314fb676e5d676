#include "PageSetupDialog.h"

#include <QPageSetupDialog>
#include <QPrinter>

namespace {

// A control of the margins group and one of the orientation group of the platform's page
// setup form; each group goes as a whole.
const char* const kIneffectiveControls[] = {"topMargin", "portrait"};

} // namespace

void HideIneffectiveSetup(QPageSetupDialog& dialog) {
    for (const char* name : kIneffectiveControls) {
        QWidget* control = dialog.findChild<QWidget*>(QLatin1String(name));
        if (control != nullptr && control->parentWidget() != nullptr)
            control->parentWidget()->hide();
    }
    dialog.adjustSize();
}

void RunPageSetupDialog(QPrinter& printer, QWidget* parent) {
    QPageSetupDialog dialog(&printer, parent);
    HideIneffectiveSetup(dialog);
    dialog.exec();
    printer.setPageOrientation(QPageLayout::Portrait);
}
