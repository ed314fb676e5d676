#include "SheetPrinter.h"

#include "MessageSink.h"
#include "PrintPage.h"
#include "TARVODoc.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>

#include <algorithm>
#include <memory>

namespace {

const wchar_t kJobFailed[] = L"印刷ジョブを開始できませんでした。";

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
    : m_doc(doc), m_messages(messages), m_panel(panel), m_printer(QPrinter::HighResolution) {}

bool CSheetPrinter::PrintPages(QPrinter& printer, int first, int last) {
    first = std::max(first, 1);
    last = std::min(last, m_doc.GetPrintPageCount());
    if (first > last)
        return true;
    auto caseForPage = [this](int page) { return m_doc.GetCaseForPage(page); };
    if (!::PrintPages(printer, m_doc.GetSettings(), caseForPage, first, last)) {
        ShowWarning(m_messages, kJobFailed);
        return false;
    }
    return true;
}

void CSheetPrinter::Print(QWidget* parent) {
    const int pages = m_doc.GetPrintPageCount();
    QPrintDialog dialog(&m_printer, parent);
    dialog.setMinMax(1, std::max(pages, 1));
    if (dialog.exec() != QDialog::Accepted)
        return;
    CPanelHidden hidden(m_panel);
    if (m_printer.printRange() == QPrinter::PageRange)
        PrintPages(m_printer, m_printer.fromPage(), m_printer.toPage());
    else
        PrintPages(m_printer, 1, pages);
}

bool CSheetPrinter::PrintDirect() {
    CPanelHidden hidden(m_panel);
    return PrintPages(m_printer, 1, m_doc.GetPrintPageCount());
}

QPrintPreviewDialog* CSheetPrinter::CreatePreview(QWidget* parent) {
    auto* preview = new QPrintPreviewDialog(&m_printer, parent);
    QObject::connect(
        preview, &QPrintPreviewDialog::paintRequested, preview,
        [this](QPrinter* printer) { PrintPages(*printer, 1, m_doc.GetPrintPageCount()); });
    return preview;
}

void CSheetPrinter::Preview(QWidget* parent) {
    CPanelHidden hidden(m_panel);
    std::unique_ptr<QPrintPreviewDialog> preview(CreatePreview(parent));
    auto* widget = preview->findChild<QPrintPreviewWidget*>();
    if (m_previewPages == 2)
        widget->setFacingPagesViewMode();
    preview->exec();
    m_previewPages = widget->viewMode() == QPrintPreviewWidget::FacingPagesView ? 2 : 1;
}

void CSheetPrinter::Setup(QWidget* parent) {
    QPageSetupDialog dialog(&m_printer, parent);
    dialog.exec();
}
