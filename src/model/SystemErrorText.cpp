#include "model/SystemErrorText.h"

#include <cerrno>
#include <map>

std::wstring SystemErrorText(int code) {
    static const std::map<int, std::wstring> texts = {
        {ENOENT, L"ファイルまたはフォルダーが見つかりません。"},
        {EACCES, L"アクセスが拒否されました。"},
        {EPERM, L"アクセスが拒否されました。"},
        {ENOSPC, L"ディスクの空き領域が不足しています。"},
        {EDQUOT, L"ディスクの使用量の制限を超えています。"},
        {EROFS, L"読み取り専用のディスクです。"},
        {EISDIR, L"ファイルではなくフォルダーです。"},
        {ENOTDIR, L"パスの途中にフォルダーでないものがあります。"},
        {ENAMETOOLONG, L"ファイル名が長すぎます。"},
        {ELOOP, L"シンボリック リンクの参照が多すぎます。"},
        {EMFILE, L"開いているファイルが多すぎます。"},
        {ENFILE, L"開いているファイルが多すぎます。"},
        {EFBIG, L"ファイルが大きすぎます。"},
        {EIO, L"ディスクの読み書きに失敗しました。"},
        {EBUSY, L"ファイルは使用中です。"},
        {ETXTBSY, L"ファイルは使用中です。"},
        {EEXIST, L"同じ名前のファイルが既にあります。"},
        {ENXIO, L"装置が見つかりません。"},
        {ENODEV, L"装置が見つかりません。"},
        {EINVAL, L"このファイルには使えない操作です。"},
        {EXDEV, L"別のディスクへは移せません。"},
    };
    const auto it = texts.find(code);
    if (it != texts.end())
        return it->second;
    return L"システム エラー（番号 " + std::to_wstring(code) + L"）が発生しました。";
}
