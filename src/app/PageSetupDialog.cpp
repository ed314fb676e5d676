#include "app/PageSetupDialog.h"

#include <QApplication>
#include <QEvent>
#include <QPageSetupDialog>
#include <QPrinter>

namespace {

// A control of the margins group and one of the orientation group of the platform's page
// setup form; each group goes as a whole.
const char* const kIneffectiveControls[] = {"topMargin", "portrait"};

} // namespace

void HideIneffectiveSetup(QWidget& dialog) {
    for (const char* name : kIneffectiveControls) {
        QWidget* control = dialog.findChild<QWidget*>(QLatin1String(name));
        if (control != nullptr && control->parentWidget() != nullptr)
            control->parentWidget()->hide();
    }
    dialog.adjustSize();
}

CIneffectiveSetupHider::CIneffectiveSetupHider() {
    qApp->installEventFilter(this);
}

CIneffectiveSetupHider::~CIneffectiveSetupHider() {
    qApp->removeEventFilter(this);
}

bool CIneffectiveSetupHider::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        if (auto* dialog = qobject_cast<QDialog*>(watched))
            HideIneffectiveSetup(*dialog);
    }
    return QObject::eventFilter(watched, event);
}

void RunPageSetupDialog(QPrinter& printer, QWidget* parent) {
    QPageSetupDialog dialog(&printer, parent);
    HideIneffectiveSetup(dialog);
    dialog.exec();
    printer.setPageOrientation(QPageLayout::Portrait);
}
