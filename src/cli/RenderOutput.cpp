#include "cli/RenderOutput.h"

#include "cli/Console.h"
#include "cli/CountArgument.h"
#include "model/FileBytes.h"

#include <cstdint>
#include <vector>

const CliOption kOutputOption = {"output", "OUT", "書き出すファイル（必須）",
                                 "the file to write (required)", 'o'};

CGuiSession::CGuiSession() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's notices (such as a missing runtime folder of the session) say nothing to the user
    // of a command-line tool; only its failures reach standard error.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            PrintError(text.toStdString());
    });
    m_app.emplace(m_argc, m_argv);
}

bool ReadDpi(const CCommandLine& line, int fallback, int maxDpi, int& dpi) {
    const std::optional<std::string> text = line.Value("dpi");
    if (!text) {
        dpi = fallback;
        return true;
    }
    if (!ParsePositive(*text, dpi) || dpi > maxDpi) {
        PrintError("--dpi " + *text + ": 解像度は 1 から " + std::to_string(maxDpi) +
                   " までです / the resolution must be 1 to " + std::to_string(maxDpi));
        return false;
    }
    return true;
}

std::optional<std::string> OutputPath(const CCommandLine& line) {
    std::optional<std::string> path = line.Value(kOutputOption.name);
    if (!path)
        PrintError("-o OUT がありません / -o OUT is required");
    return path;
}

bool WriteOutput(const std::string& path, const QByteArray& bytes) {
    const std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
    std::string reason;
    if (!WriteFileAtomically(path, data, reason)) {
        PrintError(path + ": 書き込めません / cannot be written (" + reason + ")");
        return false;
    }
    return true;
}
