#include "app/SheetPrinter.h"

#include "doc/MessageSink.h"
#include "doc/TARVODoc.h"
#include "render/PrintPage.h"

#include "app/PageSetupDialog.h"

#include <QPrintDialog>

#include <algorithm>
#include <memory>

namespace {

const wchar_t kJobFailed[] = L"印刷ジョブを開始できませんでした。";
const wchar_t kNothingToPrint[] = L"印刷するデータがありません。";

// Hides the input panel for the time of a job or a preview and shows it afterwards.
class CPanelHidden {
public:
    explicit CPanelHidden(QWidget& panel) : m_panel(panel) { m_panel.hide(); }
    ~CPanelHidden() { m_panel.show(); }
    CPanelHidden(const CPanelHidden&) = delete;
    CPanelHidden& operator=(const CPanelHidden&) = delete;

private:
    QWidget& m_panel;
};

} // namespace

CSheetPrinter::CSheetPrinter(CTARVODoc& doc, IMessageSink& messages, QWidget& panel)
    : m_doc(doc), m_messages(messages), m_panel(panel), m_printer(QPrinter::HighResolution) {
    m_printer.setCreator(QStringLiteral("TARVO"));
}

void CSheetPrinter::SetDocumentTitle(const QString& title) {
    m_printer.setDocName(title);
}

bool CSheetPrinter::HasPages() {
    if (m_doc.GetPrintPageCount() > 0)
        return true;
    ShowWarning(m_messages, kNothingToPrint);
    return false;
}

bool CSheetPrinter::PrintPages(QPrinter& printer, int first, int last) {
    first = std::max(first, 1);
    last = std::min(last, m_doc.GetPrintPageCount());
    if (first > last)
        return true;
    auto pageOf = [this](int page) { return m_doc.GetPlannedPage(page); };
    if (!::PrintPages(printer, m_doc.GetSettings(), pageOf, first, last)) {
        ShowWarning(m_messages, kJobFailed);
        return false;
    }
    return true;
}

void CSheetPrinter::Print(QWidget* parent) {
    if (!HasPages())
        return;
    const int pages = m_doc.GetPrintPageCount();
    QPrintDialog dialog(&m_printer, parent);
    dialog.setMinMax(1, std::max(pages, 1));
    {
        const CIneffectiveSetupHider hider;
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    CPanelHidden hidden(m_panel);
    if (m_printer.printRange() == QPrinter::PageRange)
        PrintPages(m_printer, m_printer.fromPage(), m_printer.toPage());
    else
        PrintPages(m_printer, 1, pages);
}

bool CSheetPrinter::PrintDirect() {
    // Nothing to print is said, and is no failure.
    if (!HasPages())
        return true;
    CPanelHidden hidden(m_panel);
    return PrintPages(m_printer, 1, m_doc.GetPrintPageCount());
}

void CSheetPrinter::Setup(QWidget* parent) {
    RunPageSetupDialog(m_printer, parent);
}
