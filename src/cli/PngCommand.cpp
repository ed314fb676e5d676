// tarvo-cli png: the screen view of a case's sheet as a PNG image.
#include "cli/Command.h"
#include "cli/Console.h"
#include "cli/RenderOutput.h"
#include "render/ScreenView.h"

#include <QBuffer>
#include <QImage>

namespace {

constexpr int kScreenDpi = 96;
constexpr int kMaxDpi = 600; // 6250 x 15625 pixels

const CliOption kPngDpiOption = {"dpi", "D", "解像度（ピクセル/インチ）。既定: 96。上限: 600",
                                 "resolution in pixels per inch; default 96, at most 600"};

int RunPng(const CCommandLine& line) {
    int dpi = 0;
    const std::optional<std::string> out = OutputPath(line);
    if (!out || !ReadDpi(line, kScreenDpi, kMaxDpi, dpi))
        return kExitError;
    CaseDocument document;
    CRTData* record = LoadChosenCase(line, document);
    if (record == nullptr)
        return kExitError;

    CGuiSession gui;
    const QImage image = RenderScreenView(*record, document.settings.nFontSize, dpi);
    QByteArray png;
    QBuffer buffer(&png);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        PrintError("画像を作れません / the image cannot be made");
        return kExitError;
    }
    return WriteOutput(*out, png) ? kExitOk : kExitError;
}

} // namespace

const CliCommand kPngCommand = {
    "png",
    "[FILE.tarvo] -o OUT.png [--case N] [--dpi D] [--reinf PATH]",
    "ケースの計算書を画面と同じ形（左端から 30 ピクセル、図を含む）で PNG 画像に書きます。\n"
    "画像の大きさは画面のスクロール範囲 1000 x 2500 ピクセル（96 dpi のとき）です。\n"
    "FILE を省略すると新規の既定ケースです。\n",
    "Writes the calculation sheet of a case as the screen shows it (30 pixels from the left,\n"
    "with the figures) to a PNG image as large as the view's scroll area, 1000 x 2500 pixels\n"
    "at 96 dpi. Without FILE: a new default case.\n",
    {kOutputOption, kCaseOption, kPngDpiOption, kReinfOption},
    0,
    1,
    RunPng,
};
