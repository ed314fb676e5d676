// The reason for a failed file operation in Japanese, from the system's error number, for
// the messages of the desktop program and the command-line tool.
#pragma once

#include <string>

// "ファイルまたはフォルダーが見つかりません。" and the like; a number without a text of its own
// is given as the number.
std::wstring SystemErrorText(int code);
