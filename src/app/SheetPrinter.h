// Printing of the document: every case marked for printing takes two pages, the first half of
// its sheet on the odd page and the second half on the even page. The input panel is hidden
// for the time of a job and shown afterwards. A document without a marked case is reported
// instead of starting an empty job.
#pragma once

#include <QPrinter>

class CTARVODoc;
class IMessageSink;
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
    // True when some case is marked for printing; otherwise says so in a message box.
    bool HasPages();
    // "プリンターの設定...": printer and paper of the later jobs. The margins are the
    // document's, so the dialog does not offer any.
    void Setup(QWidget* parent);
    // The title a job and a PDF file carry.
    void SetDocumentTitle(const QString& title);

    // Pages first to last (from 1), clamped to the document's page count, on printer. A job
    // without pages prints nothing; a job that cannot start is reported.
    bool PrintPages(QPrinter& printer, int first, int last);

private:
    CTARVODoc& m_doc;
    IMessageSink& m_messages;
    QWidget& m_panel;
    QPrinter m_printer;
};
