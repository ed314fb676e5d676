// Printing and print preview of the document: every case marked for printing takes two pages,
// the first half of its sheet on the odd page and the second half on the even page. The input
// panel is hidden from the start of a job, or while a preview is open, and shown afterwards.
#pragma once

#include <QPrinter>

class CTARVODoc;
class IMessageSink;
class QPrintPreviewDialog;
class QWidget;

class CSheetPrinter {
public:
    // panel: the input panel hidden around printing.
    CSheetPrinter(CTARVODoc& doc, IMessageSink& messages, QWidget& panel);

    QPrinter& Printer() { return m_printer; }

    // "印刷(&P)...": the print dialog, then the chosen pages.
    void Print(QWidget* parent);
    // Every page on the current printer, without a dialog.
    bool PrintDirect();
    // "印刷プレビュー(&V)": the pages in a preview window.
    void Preview(QWidget* parent);
    // Pages the preview shows side by side: 2 for facing pages, else one; 0 until a preview
    // was shown. A preview keeps what it showed last.
    int PreviewPages() const { return m_previewPages; }
    void SetPreviewPages(int pages) { m_previewPages = pages; }
    // "プリンターの設定...": paper and printer of the later jobs.
    void Setup(QWidget* parent);

    // Pages first to last (from 1), clamped to the document's page count, on printer. A job
    // without pages prints nothing; a job that cannot start is reported.
    bool PrintPages(QPrinter& printer, int first, int last);

private:
    // The preview window over the document's pages, not yet shown.
    QPrintPreviewDialog* CreatePreview(QWidget* parent);

    CTARVODoc& m_doc;
    IMessageSink& m_messages;
    QWidget& m_panel;
    QPrinter m_printer;
    int m_previewPages = 0;
};
