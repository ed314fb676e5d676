// Speed of the desktop program's work inside its window, on the offscreen platform:
// - the full repaint of the sheet, DrawSheet of the default case on the painter surface of a
//   1000 x 2500 image at 96 dpi (goal: under 2 ms);
// - the repaint of the sheet view of the main window at its size of 1150 x 900 with the
//   default case, the visible part of the sheet (goal: under 1 ms);
// - opening and saving a document of 10,000 cases (goal: under 20 ms each).
#include "FileContents.h"
#include "GeneratedWalls.h"
#include "RecordingAppMessages.h"
#include "RecordingShell.h"
#include "app/FileDialogs.h"
#include "app/MainFrame.h"
#include "app/SheetView.h"
#include "app/TARVOApp.h"
#include "app/TextClipboard.h"
#include "model/CaseFile.h"
#include "render/ScreenView.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

// The program with its main window shown, a settings file of its own and its case files in a
// temporary folder.
class CDesktop {
public:
    CDesktop()
        : m_app(CAppServices{messages, m_files, m_shell, m_clipboard}, TARVO_BIN_DIR "/",
                m_dir.filePath(QStringLiteral("tarvo.ini"))) {
        m_app.InitInstance({CaseFile(QStringLiteral("default.tarvo"), {CRTData()})});
        while (!View().viewport()->isVisible())
            QApplication::processEvents();
        QApplication::processEvents();
    }

    // Writes a case file into the temporary folder and returns its path.
    QString CaseFile(const QString& name, const std::vector<CRTData>& cases) const {
        const QString path = m_dir.filePath(name);
        WriteBytes(QFile::encodeName(path).toStdString(), WriteCaseFile(CDocSettings{}, cases));
        return path;
    }

    CTARVOApp& App() { return m_app; }
    CTARVOView& View() { return *m_app.MainFrame().findChild<CTARVOView*>(); }

    CRecordingAppMessages messages;

private:
    QTemporaryDir m_dir;
    CQtFileDialogs m_files;
    CRecordingShell m_shell;
    CSystemClipboard m_clipboard;
    CTARVOApp m_app;
};

// Made at its first use, and ended in main while the application object still exists.
std::unique_ptr<CDesktop> g_desktop;

CDesktop& Desktop() {
    if (!g_desktop)
        g_desktop = std::make_unique<CDesktop>();
    return *g_desktop;
}

void BM_DrawSheetFullImage(benchmark::State& state) {
    CRTData c;
    QImage image(kScrollWidth, kScrollHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        DrawScreenView(painter, 96, 96, c, 11);
    }
}
BENCHMARK(BM_DrawSheetFullImage)->Unit(benchmark::kMicrosecond);

void BM_RepaintWindowView(benchmark::State& state) {
    QWidget& viewport = *Desktop().View().viewport();
    for (auto _ : state)
        viewport.repaint();
    const QSize window = Desktop().App().MainFrame().size();
    state.SetLabel(QStringLiteral("window %1x%2, view %3x%4")
                       .arg(window.width())
                       .arg(window.height())
                       .arg(viewport.width())
                       .arg(viewport.height())
                       .toStdString());
}
BENCHMARK(BM_RepaintWindowView)->Unit(benchmark::kMicrosecond);

const QString& TenThousandCases() {
    static const QString path =
        Desktop().CaseFile(QStringLiteral("walls10000.tarvo"), GeneratedWalls(10000));
    return path;
}

// A message box would have waited for a person: the work it reports failed. Its text goes to
// standard error and the benchmark fails.
void SkipOnMessage(benchmark::State& state, const char* failure) {
    const std::vector<CShownBox>& shown = Desktop().messages.shown;
    if (shown.empty())
        return;
    for (const CShownBox& box : shown)
        std::fprintf(stderr, "message: %s\n",
                     QString::fromStdWString(box.text).toUtf8().constData());
    state.SkipWithError(failure);
}

void BM_OpenDocumentOf10000Cases(benchmark::State& state) {
    const QString& path = TenThousandCases();
    for (auto _ : state)
        Desktop().App().OpenDocumentFile(path);
    SkipOnMessage(state, "the document could not be opened");
}
BENCHMARK(BM_OpenDocumentOf10000Cases)->Unit(benchmark::kMillisecond);

void BM_SaveDocumentOf10000Cases(benchmark::State& state) {
    Desktop().App().OpenDocumentFile(TenThousandCases());
    for (auto _ : state)
        Desktop().App().OnFileSave();
    SkipOnMessage(state, "the document could not be saved");
}
BENCHMARK(BM_SaveDocumentOf10000Cases)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TARVO_SCREEN_CONFIG);
    QApplication application(argc, argv);
    InstallUiDefaults();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    g_desktop.reset();
    benchmark::Shutdown();
    return 0;
}
