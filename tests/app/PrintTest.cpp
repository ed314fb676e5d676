// Printing and preview through the document's page plan, and the shell's small parts: the
// command line, the frame of the explanation picture, the settings file and the recent-file
// names.
#include "AppHarness.h"
#include "app/CommandLine.h"
#include "app/CommandTable.h"
#include "app/InputPanel.h"
#include "app/MainFrame.h"
#include "app/ManualPicture.h"
#include "app/PageSetupDialog.h"
#include "app/PreviewPane.h"
#include "app/RawUtf8.h"
#include "app/RecentFileList.h"
#include "app/SettingsFile.h"
#include "app/SheetView.h"
#include "app/ViewSplitter.h"
#include "doc/TARVODoc.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <fstream>

namespace {

// Three cases marked 1, 0, 1 for printing.
void AddMarkedCases(CAppHarness& h) {
    for (int mark : {1, 0, 1}) {
        h.Press(ID_DATA_ADD);
        h.Doc().GetCase(h.Doc().m_nCurrent)->m_bPrint = mark;
    }
    h.Frame().UpdateCommandUI();
}

int PdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return static_cast<int>(file.readAll().count("/Type /Page\n"));
}

// A PDF text string as the writer stores it: UTF-16, big-endian, with its byte order mark.
QByteArray PdfText(const QString& text) {
    QByteArray bytes("(\xfe\xff");
    for (QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() >> 8));
        bytes.append(static_cast<char>(c.unicode() & 0xff));
    }
    return bytes + ")";
}

} // namespace

class PrintTest : public QObject {
    Q_OBJECT

private slots:
    void previewInTheWindow();
    void seismicCaseTakesAThirdPage();
    void nothingMarkedForPrinting_data();
    void nothingMarkedForPrinting();
    void pdfCarriesTitleAndCreator();
    void pageSetupOffersNoMarginsNorOrientation_data();
    void pageSetupOffersNoMarginsNorOrientation();
    void printAndPageDialogsSpeakJapanese();
    void printedPagesFollowThePagePlan();
    void commandLine_data();
    void commandLine();
    void svgFrame_data();
    void svgFrame();
    void explanationPictureBesideTheProgram();
    void abbreviatedPaths_data();
    void abbreviatedPaths();
    void settingsFileKeepsSectionNames();
    void settingsFileBesideTheProgramOrInTheUsersFolder();
    void rawUtf8_data();
    void rawUtf8();
    void settingsFileKeepsPathsThatAreNotUtf8();
    void settingsFileThatCannotBeWrittenIsSaidOnce();
    void settingsFileIsWrittenOnlyWhenTheRecentListChanges();
};

void PrintTest::previewInTheWindow() {
    QString settings;
    {
        CAppHarness h;
        AddMarkedCases(h);
        CMainFrame& frame = h.Frame();
        CPreviewPane& preview = frame.Preview();
        QCOMPARE(preview.Pages(), 0); // nothing in the settings file yet
        frame.Action(ID_FILE_PRINT_PREVIEW)->trigger();
        QVERIFY(frame.IsPreviewOpen());
        QVERIFY(h.Panel().isHidden());
        QVERIFY(frame.Splitter().isHidden());
        QVERIFY(!preview.isHidden());
        QStringList texts;
        for (int i = CPreviewPane::Print; i <= CPreviewPane::Close; ++i)
            texts << preview.Action(i)->text();
        QCOMPARE(texts, (QStringList{"印刷(&P)...", "次ページ(&N)", "前ページ(&V)", "2 ページ(&T)",
                                     "拡大(&I)", "縮小(&O)", "閉じる(&C)"}));
        QCOMPARE(preview.PageCount(), 4);
        QCOMPARE(preview.CurrentPage(), 1);
        QVERIFY(!preview.Action(CPreviewPane::Previous)->isEnabled());
        QVERIFY(!preview.Action(CPreviewPane::ZoomOut)->isEnabled());
        // The document's commands wait until the preview is closed.
        QVERIFY(!frame.Action(ID_DATA_ADD)->isEnabled());
        QVERIFY(frame.Action(ID_APP_EXIT)->isEnabled());

        // Page Down and Page Up page through, up to the last page.
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr && preview.isAncestorOf(focus));
        for (int page : {2, 3, 4, 4}) {
            QTest::keyClick(focus, Qt::Key_PageDown);
            QCOMPARE(preview.CurrentPage(), page);
        }
        QVERIFY(!preview.Action(CPreviewPane::Next)->isEnabled());
        QTest::keyClick(focus, Qt::Key_PageUp);
        QCOMPARE(preview.CurrentPage(), 3);
        // Two pages side by side: the switch then offers one page; the last pair ends it.
        preview.Action(CPreviewPane::OnePageTwoPages)->trigger();
        QCOMPARE(preview.Pages(), 2);
        QCOMPARE(preview.Action(CPreviewPane::OnePageTwoPages)->text(),
                 QStringLiteral("1 ページ(&O)"));
        QVERIFY(!preview.Action(CPreviewPane::Next)->isEnabled());
        // Each zoom step doubles the whole page.
        auto* pages = preview.findChild<QPrintPreviewWidget*>();
        const qreal whole = pages->zoomFactor();
        preview.Action(CPreviewPane::ZoomIn)->trigger();
        QCOMPARE(pages->zoomFactor(), 2 * whole);
        preview.Action(CPreviewPane::ZoomIn)->trigger();
        QCOMPARE(preview.ZoomStep(), 2);
        QCOMPARE(pages->zoomFactor(), 4 * whole);
        QVERIFY(!preview.Action(CPreviewPane::ZoomIn)->isEnabled());
        preview.Action(CPreviewPane::ZoomOut)->trigger();
        QCOMPARE(preview.ZoomStep(), 1);
        QImage picture = frame.grab().toImage();
        QDir().mkpath(QStringLiteral("screenshots"));
        picture.save(QStringLiteral("screenshots/preview.png"));

        QTest::keyClick(focus, Qt::Key_Escape);
        QVERIFY(!frame.IsPreviewOpen());
        QVERIFY(!h.Panel().isHidden());
        QVERIFY(!frame.Splitter().isHidden());
        QVERIFY(frame.Action(ID_DATA_ADD)->isEnabled());
        frame.Action(ID_APP_EXIT)->trigger();
        QFile file(h.SettingsPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        settings = QString::fromUtf8(file.readAll());
    }
    QVERIFY2(settings.contains(QStringLiteral("[Settings]\nPreviewPages=2\n")),
             qPrintable(settings));

    // The setting is read at the start: the next preview opens with two pages.
    CAppHarness h({}, settings.toUtf8());
    QCOMPARE(h.Frame().Preview().Pages(), 2);
    AddMarkedCases(h);
    h.Frame().Action(ID_FILE_PRINT_PREVIEW)->trigger();
    QCOMPARE(h.Frame().Preview().Action(CPreviewPane::OnePageTwoPages)->text(),
             QStringLiteral("1 ページ(&O)"));
    h.Frame().Preview().Action(CPreviewPane::Close)->trigger();
    QVERIFY(!h.Frame().IsPreviewOpen());
}

// A case that asks for seismic checks adds its third page to the preview, and the view's scroll
// range grows to show its section 7).
void PrintTest::seismicCaseTakesAThirdPage() {
    CAppHarness h;
    AddMarkedCases(h);
    CMainFrame& frame = h.Frame();
    QScrollBar* scroll = frame.Splitter().ActiveView()->verticalScrollBar();
    const int plain = scroll->maximum();
    h.Doc().GetCase(0)->m_kh1 = 0.2;
    h.Doc().GetCase(0)->m_kh2 = 0.25;
    frame.UpdateAllViews();
    frame.Action(ID_FILE_PRINT_PREVIEW)->trigger();
    QVERIFY(frame.IsPreviewOpen());
    QCOMPARE(frame.Preview().PageCount(), 5);
    frame.Preview().Action(CPreviewPane::Close)->trigger();
    QCOMPARE(scroll->maximum(), plain);
    h.Doc().m_nCurrent = 0;
    frame.UpdateAllViews();
    QCOMPARE(scroll->maximum(), plain + 2 * 2500);
}

void PrintTest::nothingMarkedForPrinting_data() {
    QTest::addColumn<int>("command"); // 0: quick print
    QTest::newRow("print") << int(ID_FILE_PRINT);
    QTest::newRow("preview") << int(ID_FILE_PRINT_PREVIEW);
    QTest::newRow("quick print") << 0;
}

void PrintTest::nothingMarkedForPrinting() {
    QFETCH(int, command);
    CAppHarness h;
    AddMarkedCases(h);
    for (int i = 0; i < h.Doc().GetCaseCount(); ++i)
        h.Doc().GetCase(i)->m_bPrint = 0;
    QTemporaryDir dir;
    QPrinter& device = h.Frame().Printer().Printer();
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(dir.filePath(QStringLiteral("none.pdf")));
    if (command == 0)
        QVERIFY(h.Frame().Printer().PrintDirect()); // nothing to print is no failure
    else
        h.Frame().Action(command)->trigger();
    QCOMPARE(h.messages.shown.size(), size_t(1));
    QCOMPARE(QString::fromStdWString(h.messages.shown[0].text),
             QStringLiteral("印刷するデータがありません。"));
    QCOMPARE(h.messages.shown[0].icon, MessageIcon::Warning);
    QVERIFY(!QFile::exists(device.outputFileName()));
    QVERIFY(!h.Frame().IsPreviewOpen());
    QVERIFY(!h.Panel().isHidden());
}

void PrintTest::pdfCarriesTitleAndCreator() {
    CAppHarness h;
    AddMarkedCases(h);
    h.files.saveName = h.TempFile(QStringLiteral("東擁壁.tarvo"));
    h.Frame().Action(ID_FILE_SAVE)->trigger();
    QPrinter& device = h.Frame().Printer().Printer();
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(h.TempFile(QStringLiteral("meta.pdf")));
    QVERIFY(h.Frame().Printer().PrintDirect());
    QFile file(device.outputFileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.contains("/Title " + PdfText(QStringLiteral("東擁壁.tarvo"))));
    QVERIFY(pdf.contains("/Creator " + PdfText(QStringLiteral("TARVO"))));
}

void PrintTest::printAndPageDialogsSpeakJapanese() {
    CAppHarness h; // the program's translations
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog print(&printer);
    QPageSetupDialog setup(&printer);
    for (QDialog* dialog : {static_cast<QDialog*>(&print), static_cast<QDialog*>(&setup)}) {
        QStringList texts{dialog->windowTitle()};
        for (QLabel* label : dialog->findChildren<QLabel*>())
            texts << label->text();
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            texts << button->text() << button->toolTip();
        for (QGroupBox* group : dialog->findChildren<QGroupBox*>())
            texts << group->title();
        for (QTabWidget* tabs : dialog->findChildren<QTabWidget*>())
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        for (QComboBox* combo : dialog->findChildren<QComboBox*>())
            if (combo->objectName() == QStringLiteral("duplex"))
                for (int i = 0; i < combo->count(); ++i)
                    texts << combo->itemText(i);
        // Every text has Japanese in it, but for the button that browses for a file and OK.
        static const QRegularExpression japanese(QStringLiteral("[\\x{3000}-\\x{9fff}]"));
        for (const QString& text : texts) {
            if (text.isEmpty() || text == QStringLiteral("...") || text == QStringLiteral("OK"))
                continue;
            QVERIFY2(text.contains(japanese), qPrintable(text));
        }
    }
}

void PrintTest::pageSetupOffersNoMarginsNorOrientation_data() {
    QTest::addColumn<bool>("whileShown"); // through the hider that watches dialogs being shown
    QTest::newRow("printer setup") << false;
    QTest::newRow("printer properties of the print dialog") << true;
}

void PrintTest::pageSetupOffersNoMarginsNorOrientation() {
    QFETCH(bool, whileShown);
    QPrinter printer;
    QPageSetupDialog dialog(&printer);
    if (whileShown) {
        const CIneffectiveSetupHider hider;
        dialog.show();
    } else {
        HideIneffectiveSetup(dialog);
    }
    for (const char* hidden : {"topMargin", "leftMargin", "portrait", "landscape"}) {
        QWidget* control = dialog.findChild<QWidget*>(QLatin1String(hidden));
        QVERIFY2(control != nullptr && !control->isVisibleTo(&dialog), hidden);
    }
    QWidget* paper = dialog.findChild<QWidget*>(QStringLiteral("pageSizeCombo"));
    QVERIFY(paper != nullptr && paper->isVisibleTo(&dialog));
    dialog.hide();
}

void PrintTest::printedPagesFollowThePagePlan() {
    CAppHarness h;
    AddMarkedCases(h);
    QTemporaryDir dir;
    CSheetPrinter& printer = h.Frame().Printer();
    QPrinter& device = printer.Printer();
    device.setOutputFormat(QPrinter::PdfFormat);

    device.setOutputFileName(dir.filePath(QStringLiteral("all.pdf")));
    QVERIFY(printer.PrintDirect());
    QCOMPARE(PdfPages(device.outputFileName()), 4);
    QVERIFY(!h.Panel().isHidden());

    // A range beyond the last page is cut at it.
    device.setOutputFileName(dir.filePath(QStringLiteral("range.pdf")));
    QVERIFY(printer.PrintPages(device, 3, 9));
    QCOMPARE(PdfPages(device.outputFileName()), 2);

    // A job that cannot start is reported.
    device.setOutputFileName(dir.filePath(QStringLiteral("no/such/folder/x.pdf")));
    QVERIFY(!printer.PrintDirect());
    QCOMPARE(h.messages.shown.size(), size_t(1));
    QCOMPARE(QString::fromStdWString(h.messages.shown[0].text),
             QStringLiteral("印刷ジョブを開始できませんでした。"));
}

void PrintTest::commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("printer");
    QTest::newRow("nothing") << QStringList{} << int(CCommandLineInfo::FileNew) << QString()
                             << QString();
    QTest::newRow("absolute path")
        << QStringList{"/home/a/壁.tarvo"} << int(CCommandLineInfo::FileOpen) << "/home/a/壁.tarvo"
        << QString();
    QTest::newRow("print") << QStringList{"/p", "a.tarvo"} << int(CCommandLineInfo::FilePrint)
                           << "a.tarvo" << QString();
    QTest::newRow("print, switch after the name")
        << QStringList{"a.tarvo", "-P"} << int(CCommandLineInfo::FilePrint) << "a.tarvo"
        << QString();
    QTest::newRow("print to") << QStringList{"/pt", "a.tarvo", "Office", "drv", "port"}
                              << int(CCommandLineInfo::FilePrintTo) << "a.tarvo"
                              << "Office";
    QTest::newRow("print to without printer")
        << QStringList{"/pt", "a.tarvo"} << int(CCommandLineInfo::FilePrint) << "a.tarvo"
        << QString();
    QTest::newRow("switch without file")
        << QStringList{"/p"} << int(CCommandLineInfo::FileNew) << QString() << QString();
    QTest::newRow("dde") << QStringList{"/dde"} << int(CCommandLineInfo::FileNew) << QString()
                         << QString();
}

void PrintTest::commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(QString, file);
    QFETCH(QString, printer);
    const CCommandLineInfo info = ParseCommandLine(arguments);
    QCOMPARE(int(info.action), action);
    QCOMPARE(info.file, file);
    QCOMPARE(info.printer, printer);
}

void PrintTest::svgFrame_data() {
    QTest::addColumn<QString>("size");
    QTest::addColumn<QSize>("frame");
    QTest::newRow("millimetres") << "width=\"160mm\" height=\"128mm\"" << QSize(16000, 12800);
    QTest::newRow("centimetres") << "width=\"1.5cm\" height=\"2cm\"" << QSize(1500, 2000);
    QTest::newRow("inches") << "width=\"1in\" height=\"0.5in\"" << QSize(2540, 1270);
    QTest::newRow("points") << "width=\"72pt\" height=\"36pt\"" << QSize(2540, 1270);
    QTest::newRow("pixels, 96 to the inch") << "width=\"96\" height=\"48px\"" << QSize(2540, 1270);
    QTest::newRow("percent") << "width=\"100%\" height=\"100%\"" << QSize();
    QTest::newRow("missing height") << "width=\"10mm\"" << QSize();
    QTest::newRow("zero") << "width=\"0mm\" height=\"10mm\"" << QSize();
}

void PrintTest::svgFrame() {
    QFETCH(QString, size);
    QFETCH(QSize, frame);
    const QString svg =
        QStringLiteral("<?xml version=\"1.0\"?><svg xmlns=\"http://www.w3.org/2000/svg\" ") + size +
        QStringLiteral("><rect width=\"1\" height=\"1\"/></svg>");
    QCOMPARE(SvgFrame(svg.toUtf8()), frame);
}

void PrintTest::explanationPictureBesideTheProgram() {
    const CManualPicture picture(TARVO_BIN_DIR "/manual.svg");
    QVERIFY(!picture.IsNull());
    // 160 x 128 mm, shown at 1.27 times: 0.01 mm x 96 / 2000 pixels.
    QCOMPARE(picture.Target(96, 96), QRect(50, 0, 768, 614));
    QVERIFY(CManualPicture(std::filesystem::path()).IsNull());
    QVERIFY(CManualPicture(TARVO_BIN_DIR "/reinf.txt").IsNull());
}

void PrintTest::abbreviatedPaths_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("shown");
    QTest::newRow("short") << "/home/a/b.tarvo"
                           << "/home/a/b.tarvo";
    QTest::newRow("exactly 30") << "/home/abcdefghijklmnop/x.tarvo"
                                << "/home/abcdefghijklmnop/x.tarvo";
    QTest::newRow("long") << "/home/user/projects/walls/2024/east.tarvo"
                          << "/.../walls/2024/east.tarvo";
    QTest::newRow("long file name") << "/home/a/an-extremely-long-file-name-here.tarvo"
                                    << "an-extremely-long-file-name-here.tarvo";
}

void PrintTest::abbreviatedPaths() {
    QFETCH(QString, path);
    QFETCH(QString, shown);
    QCOMPARE(AbbreviatePath(path, 30), shown);
}

void PrintTest::settingsFileKeepsSectionNames() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tarvo.ini"));
    CRecentFileList written(kRecentFileCount);
    for (const char* name : {"/a/1.tarvo", "/a/2.tarvo", "/a/日本語 3.tarvo", "/a/1.tarvo"})
        written.Add(QString::fromUtf8(name));
    {
        auto settings = OpenSettings(path);
        written.Write(*settings);
        settings->setValue(QStringLiteral("Settings/PreviewPages"), 2);
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()),
             QStringLiteral("[Recent File List]\nFile1=/a/1.tarvo\nFile2=/a/日本語 3.tarvo\n"
                            "File3=/a/2.tarvo\n\n[Settings]\nPreviewPages=2\n\n"));

    auto settings = OpenSettings(path);
    CRecentFileList read(kRecentFileCount);
    read.Read(*settings);
    QCOMPARE(read.Files(), written.Files());
    QCOMPARE(settings->value(QStringLiteral("Settings/PreviewPages")).toInt(), 2);
}

void PrintTest::rawUtf8_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("escaped"); // bytes kept as they stand
    QTest::newRow("ASCII") << QByteArray("/home/a.tarvo") << 0;
    QTest::newRow("Japanese and a four-byte character")
        << QByteArray("\xe5\xa3\x81\xf0\x9f\x98\x80") << 0;
    // 0x95 leads no sequence; 0xC7 leads one that "." breaks off.
    QTest::newRow("Shift-JIS") << QByteArray("\x95\xc7.tarvo") << 2;
    QTest::newRow("Latin-1") << QByteArray("caf\xe9") << 1;
    QTest::newRow("cut-off sequence at the end") << QByteArray("a\xe5\xa3") << 2;
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << 2;
    QTest::newRow("encoded surrogate") << QByteArray("\xed\xb2\x80") << 3;
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << 4;
}

void PrintTest::rawUtf8() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, escaped);
    const QString text = DecodeRawUtf8(bytes);
    QCOMPARE(EncodeRawUtf8(text), bytes);
    const auto kept = std::count_if(text.begin(), text.end(), [](QChar c) {
        return c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF;
    });
    QCOMPARE(int(kept), escaped);
    if (escaped == 0)
        QCOMPARE(text, QString::fromUtf8(bytes));
}

void PrintTest::settingsFileKeepsPathsThatAreNotUtf8() {
    // A file named in another encoding (Shift-JIS "壁"), beside one named in UTF-8.
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    const QByteArray foreign = folder + "/\x95\xc7.tarvo";
    const QByteArray settings = "[Recent File List]\nFile1=" + foreign + "\nFile2=" + folder +
                                "/\xe5\xa3\x81.tarvo\n\n[Settings]\nPreviewPages=1\n\n";
    {
        // The foreign name opens the file that carries it.
        CAppHarness writer;
        writer.Press(ID_DATA_ADD);
        std::vector<std::uint8_t> bytes = writer.Doc().SaveToBytes();
        std::ofstream out(foreign.toStdString(), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    QByteArray written;
    {
        CAppHarness h({}, settings);
        QCOMPARE(h.App().RecentFiles().Files().size(), 2);
        h.Frame().Action(ID_FILE_MRU_FILE1)->trigger();
        QVERIFY(h.messages.shown.empty());
        QCOMPARE(h.Doc().GetCaseCount(), 1);
        h.Frame().Action(ID_APP_EXIT)->trigger();
        QFile file(h.SettingsPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        written = file.readAll();
    }
    QCOMPARE(written, settings);
}

void PrintTest::settingsFileThatCannotBeWrittenIsSaidOnce() {
    CAppHarness h({}, {}, false);
    QStatusBar* status = h.Frame().statusBar();
    QVERIFY2(status->currentMessage().startsWith(QStringLiteral("設定ファイル ")),
             qPrintable(status->currentMessage()));
    QVERIFY(status->currentMessage().contains(h.SettingsPath()));
    status->clearMessage();
    // Saving adds a recent file, which cannot be written either: nothing is said again, and
    // the program runs on.
    h.Press(ID_DATA_ADD);
    h.files.saveName = h.TempFile(QStringLiteral("w.tarvo"));
    h.Frame().Action(ID_FILE_SAVE)->trigger();
    QVERIFY(QFile::exists(h.files.saveName));
    QCOMPARE(status->currentMessage(), QString());
    QCOMPARE(h.App().RecentFiles().Files().size(), 1);
    QVERIFY(h.messages.shown.empty());

    // A writable one is not reported.
    CAppHarness writable;
    QCOMPARE(writable.Frame().statusBar()->currentMessage(), QString());
}

// Saving or opening the file that already heads the recent list changes nothing to keep: the
// settings file is not rewritten (each rewrite flushes the disk).
void PrintTest::settingsFileIsWrittenOnlyWhenTheRecentListChanges() {
    CAppHarness h;
    h.Press(ID_DATA_ADD);
    h.files.saveName = h.TempFile(QStringLiteral("w.tarvo"));
    h.Frame().Action(ID_FILE_SAVE)->trigger();
    QVERIFY(QFile::exists(h.SettingsPath()));
    QVERIFY(QFile::remove(h.SettingsPath()));
    h.Frame().Action(ID_FILE_SAVE)->trigger();
    QVERIFY(h.App().OpenDocumentFile(h.files.saveName));
    QVERIFY(!QFile::exists(h.SettingsPath()));
    // Another file heads the list: the settings file is written again.
    h.files.saveName = h.TempFile(QStringLiteral("v.tarvo"));
    h.Frame().Action(ID_FILE_SAVE_AS)->trigger();
    QVERIFY(QFile::exists(h.SettingsPath()));
    QVERIFY(h.messages.shown.empty());
}

void PrintTest::settingsFileBesideTheProgramOrInTheUsersFolder() {
    QTemporaryDir dir;
    QCOMPARE(SettingsFilePath(dir.filePath(QStringLiteral("tarvo"))),
             dir.filePath(QStringLiteral("tarvo.ini")));
    QCOMPARE(SettingsFilePath(dir.filePath(QStringLiteral("tarvo.bin"))),
             dir.filePath(QStringLiteral("tarvo.ini")));
    // A folder that cannot be written to (here: one that does not exist).
    const QString fallback = SettingsFilePath(QStringLiteral("/no/such/folder/tarvo"));
    QCOMPARE(fallback, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                           QStringLiteral("/tarvo.ini"));
}

QTEST_MAIN(PrintTest)
#include "PrintTest.moc"
