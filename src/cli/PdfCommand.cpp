// tarvo-cli pdf: the printed pages of every case marked for printing, as a PDF on A4.
#include "cli/Command.h"
#include "cli/Console.h"
#include "cli/RenderOutput.h"
#include "render/PrintPage.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace {

constexpr int kPrinterDpi = 600;
constexpr int kMaxDpi = 2400;

const CliOption kPdfDpiOption = {"dpi", "D", "印刷の解像度（ドット/インチ）。既定: 600。上限: 2400",
                                 "printer resolution in dots per inch; default 600, at most 2400"};

int RunPdf(const CCommandLine& line) {
    int dpi = 0;
    const std::optional<std::string> out = OutputPath(line);
    if (!out || !ReadDpi(line, kPrinterDpi, kMaxDpi, dpi))
        return kExitError;
    CaseDocument document;
    if (!LoadDocumentOrDefault(line, document))
        return kExitError;
    LoadBarTableFor(line);

    CGuiSession gui;
    QByteArray pdf;
    QBuffer buffer(&pdf);
    if (!buffer.open(QIODevice::WriteOnly)) {
        PrintError("PDF を作れません / the PDF cannot be made");
        return kExitError;
    }
    int pages = 0;
    {
        // The whole sheet of paper is the printable area: the margins are the document's.
        QPdfWriter writer(&buffer);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setResolution(dpi);
        pages = PrintMarkedCases(writer, document.settings, document.cases);
    }
    if (pages == 0) {
        PrintError("印刷するケースがありません / no case is marked for printing");
        return kExitError;
    }
    if (pages < 0) {
        PrintError("PDF を作れません / the PDF cannot be made");
        return kExitError;
    }
    return WriteOutput(*out, pdf) ? kExitOk : kExitError;
}

} // namespace

const CliCommand kPdfCommand = {
    "pdf",
    "[FILE.tarvo] -o OUT.pdf [--dpi D] [--reinf PATH]",
    "印刷マークの付いた全ケースの計算書を、印刷と同じく 1 ケース 2 ページ（枠とページ番号は\n"
    "ファイルの設定どおり）で A4 の PDF に書きます。FILE を省略すると新規の既定ケースです。\n",
    "Writes the printed pages of every case marked for printing, two pages per case with the\n"
    "frame and page numbers the file asks for, to an A4 PDF. Without FILE: a new default case.\n",
    {kOutputOption, kPdfDpiOption, kReinfOption},
    0,
    1,
    RunPdf,
};
