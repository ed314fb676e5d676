// The Japanese reasons of failed file operations, and their way through UTF-8.
#include "model/SystemErrorText.h"
#include "model/TextCodec.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

struct ReasonCase {
    int code;
    const wchar_t* text;
};

class SystemErrorTexts : public ::testing::TestWithParam<ReasonCase> {};

TEST_P(SystemErrorTexts, AreJapaneseAndSurviveUtf8) {
    const ReasonCase& c = GetParam();
    EXPECT_EQ(SystemErrorText(c.code), c.text);
    EXPECT_EQ(DecodeUtf8(EncodeUtf8(SystemErrorText(c.code))), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, SystemErrorTexts,
    ::testing::Values(ReasonCase{ENOENT, L"ファイルまたはフォルダーが見つかりません。"},
                      ReasonCase{EACCES, L"アクセスが拒否されました。"},
                      ReasonCase{EPERM, L"アクセスが拒否されました。"},
                      ReasonCase{ENOSPC, L"ディスクの空き領域が不足しています。"},
                      ReasonCase{EROFS, L"読み取り専用のディスクです。"},
                      ReasonCase{9999, L"システム エラー（番号 9999）が発生しました。"}));

TEST(DecodeUtf8, ReplacesWhatIsNotUtf8) {
    EXPECT_EQ(DecodeUtf8("a\xff"
                         "b"),
              L"a\uFFFDb");
    EXPECT_EQ(DecodeUtf8(""), L"");
}

} // namespace
