#include "app/DialogTranslations.h"

#include <cstring>

namespace {

struct CTranslation {
    const char* context;
    const char* source;
    const char* text; // UTF-8
};

const CTranslation kTranslations[] = {
    {"QPrintSettingsOutput", "Pages", "ページ指定"},
    {"QPrintSettingsOutput",
     "Specify pages or ranges separated by commas. Ranges are specified by two numbers "
     "separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
     "印刷するページをコンマで区切って指定します。範囲は二つのページ番号をハイフンでつなぎます。"
     "例: 3,5-7,9 はページ 3、5、6、7、9 を印刷します。"},
    {"QPrintSettingsOutput", "Double Sided Printing", "両面印刷"},
    {"QPrintSettingsOutput", "Off", "しない"},
    {"QPrintSettingsOutput", "Long side binding", "長辺とじ"},
    {"QPrintSettingsOutput", "Short side binding", "短辺とじ"},
    {"QPrintPropertiesWidget", "Advanced", "詳細"},
    {"QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.",
     "一部のオプションが競合しています。修正してください。"},
    {"QAbstractFileIconProvider", "Drive", "ドライブ"},
    {"QAbstractFileIconProvider", "Folder", "フォルダー"},
};

} // namespace

QString CDialogTranslations::translate(const char* context, const char* sourceText, const char*,
                                       int) const {
    if (context == nullptr || sourceText == nullptr)
        return QString();
    for (const CTranslation& t : kTranslations) {
        if (std::strcmp(context, t.context) == 0 && std::strcmp(sourceText, t.source) == 0)
            return QString::fromUtf8(t.text);
    }
    return QString();
}
