#include "app/CommandTable.h"

#include <QStringList>

#include <map>

const std::vector<CMenuDef>& MenuBar() {
    static const std::vector<CMenuDef> menus = {
        {QStringLiteral("ファイル(&F)"),
         {
             {ID_FILE_NEW, QStringLiteral("新規作成(&N)\tCtrl+N")},
             {ID_FILE_OPEN, QStringLiteral("開く(&O)...\tCtrl+O")},
             {ID_FILE_SAVE, QStringLiteral("上書き保存(&S)\tCtrl+S")},
             {ID_FILE_SAVE_AS, QStringLiteral("名前を付けて保存(&A)...")},
             {0, QString()},
             {ID_FILE_PRINT, QStringLiteral("印刷(&P)...\tCtrl+P")},
             {ID_FILE_PRINT_PREVIEW, QStringLiteral("印刷プレビュー(&V)")},
             {ID_FILE_PRINT_SETUP, QStringLiteral("プリンターの設定...")},
             {0, QString()},
             {ID_FILE_MRU_FILE1, QStringLiteral("最近使ったファイル")},
             {0, QString()},
             {ID_APP_EXIT, QStringLiteral("アプリケーションの終了(&X)")},
         }},
        {QStringLiteral("編集(&E)"),
         {
             {ID_EDIT_UNDO, QStringLiteral("元に戻す(&U)\tCtrl+Z")},
             {0, QString()},
             {ID_EDIT_CUT, QStringLiteral("切り取り(&T)\tCtrl+X")},
             {ID_EDIT_COPY, QStringLiteral("コピー(&C)\tCtrl+C")},
             {ID_EDIT_PASTE, QStringLiteral("貼り付け(&P)\tCtrl+V")},
         }},
        {QStringLiteral("表示(&V)"),
         {
             {ID_VIEW_TOOLBAR, QStringLiteral("ツール バー(&T)")},
             {ID_VIEW_STATUS_BAR, QStringLiteral("ステータス バー(&S)")},
             {ID_WINDOW_SPLIT, QStringLiteral("分割(&P)")},
             {ID_VIEW_CASE_TABLE, QStringLiteral("ケース一覧")},
         }},
        {QStringLiteral("データ"),
         {
             {ID_DATA_PREV, QStringLiteral("前へ\tF2")},
             {ID_DATA_NEXT, QStringLiteral("次へ\tF3")},
             {ID_DATA_DELETE, QStringLiteral("削除\tCtrl+Del")},
             {ID_DATA_ADD, QStringLiteral("追加\tCtrl+A")},
             {ID_DATA_RECALC, QStringLiteral("再計算\tF5")},
             {ID_DATA_DETAIL, QStringLiteral("詳細設定\tCtrl+O")},
             {ID_DATA_EDIT, QStringLiteral("データ設定\tCtrl+E")},
         }},
        {QStringLiteral("ヘルプ(&H)"),
         {
             {ID_HELP_MANUAL, QStringLiteral("入力説明\tF1")},
             {ID_HELP_README, QStringLiteral("ReadMeを開く")},
             {ID_APP_ABOUT, QStringLiteral("バージョン情報 TARVO(&A)...")},
         }},
    };
    return menus;
}

const std::vector<int>& ToolbarButtons() {
    static const std::vector<int> buttons = {
        ID_FILE_NEW,
        ID_FILE_OPEN,
        ID_FILE_SAVE,
        0,
        ID_EDIT_CUT,
        ID_EDIT_COPY,
        ID_EDIT_PASTE,
        0,
        ID_DATA_DELETE,
        ID_DATA_EDIT,
        0,
        ID_FILE_PRINT,
        ID_FILE_PRINT_PREVIEW,
        0,
        ID_APP_ABOUT,
        ID_HELP_MANUAL,
        0,
        ID_VIEW_CASE_TABLE,
    };
    return buttons;
}

QString ToolbarIcon(int id) {
    static const std::map<int, QString> icons = {
        {ID_FILE_NEW, QStringLiteral("new")},
        {ID_FILE_OPEN, QStringLiteral("open")},
        {ID_FILE_SAVE, QStringLiteral("save")},
        {ID_EDIT_CUT, QStringLiteral("cut")},
        {ID_EDIT_COPY, QStringLiteral("copy")},
        {ID_EDIT_PASTE, QStringLiteral("paste")},
        {ID_DATA_DELETE, QStringLiteral("delete")},
        {ID_DATA_EDIT, QStringLiteral("edit")},
        {ID_FILE_PRINT, QStringLiteral("print")},
        {ID_FILE_PRINT_PREVIEW, QStringLiteral("preview")},
        {ID_APP_ABOUT, QStringLiteral("about")},
        {ID_HELP_MANUAL, QStringLiteral("manual")},
        {ID_VIEW_CASE_TABLE, QStringLiteral("table")},
    };
    auto it = icons.find(id);
    return it == icons.end() ? QString() : QStringLiteral(":/icons/") + it->second + ".svg";
}

const std::vector<CAccelerator>& Accelerators() {
    static const std::vector<CAccelerator> table = {
        {QKeySequence(Qt::CTRL | Qt::Key_C), ID_EDIT_COPY},
        {QKeySequence(Qt::CTRL | Qt::Key_Insert), ID_EDIT_COPY},
        {QKeySequence(Qt::SHIFT | Qt::Key_Delete), ID_EDIT_CUT},
        {QKeySequence(Qt::CTRL | Qt::Key_X), ID_EDIT_CUT},
        {QKeySequence(Qt::CTRL | Qt::Key_V), ID_EDIT_PASTE},
        {QKeySequence(Qt::SHIFT | Qt::Key_Insert), ID_EDIT_PASTE},
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), ID_EDIT_UNDO},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), ID_EDIT_UNDO},
        {QKeySequence(Qt::CTRL | Qt::Key_N), ID_FILE_NEW},
        {QKeySequence(Qt::CTRL | Qt::Key_O), ID_FILE_OPEN},
        {QKeySequence(Qt::CTRL | Qt::Key_P), ID_FILE_PRINT},
        {QKeySequence(Qt::CTRL | Qt::Key_S), ID_FILE_SAVE},
        {QKeySequence(Qt::Key_F6), ID_NEXT_PANE},
        {QKeySequence(Qt::SHIFT | Qt::Key_F6), ID_PREV_PANE},
        {QKeySequence(Qt::CTRL | Qt::Key_A), ID_DATA_ADD},
        {QKeySequence(Qt::CTRL | Qt::Key_E), ID_DATA_EDIT},
        {QKeySequence(Qt::CTRL | Qt::Key_Delete), ID_DATA_DELETE},
        {QKeySequence(Qt::Key_F1), ID_HELP_MANUAL},
        {QKeySequence(Qt::Key_F3), ID_DATA_NEXT},
        {QKeySequence(Qt::CTRL | Qt::Key_O), ID_DATA_DETAIL},
        {QKeySequence(Qt::Key_F2), ID_DATA_PREV},
        {QKeySequence(Qt::Key_F5), ID_DATA_RECALC},
    };
    return table;
}

bool IsEditingCommand(int id) {
    return id == ID_EDIT_COPY || id == ID_EDIT_CUT || id == ID_EDIT_PASTE || id == ID_EDIT_UNDO;
}

namespace {

// "status-bar text\ntooltip"
QString Prompt(int id) {
    static const std::map<int, QString> prompts = {
        {ID_HELP_MANUAL, QStringLiteral("入力説明を表示する。\n入力説明")},
        {ID_DATA_PREV, QStringLiteral("前のデータを表示\n前へ")},
        {ID_DATA_DELETE, QStringLiteral("このデータを削除\nこのデータを削除")},
        {ID_DATA_EDIT, QStringLiteral("ソート・印刷・削除\nソート・印刷・削除")},
        {ID_HELP_README, QStringLiteral("ReadMeファイルを開く。\nReadMeファイルを開く")},
        {ID_FILE_NEW, QStringLiteral("新規にファイルを作成\n新規ファイル")},
        {ID_FILE_OPEN, QStringLiteral("既存のファイルを開く\n開く")},
        {ID_FILE_SAVE, QStringLiteral("作業中のファイルを上書きして保存\n保存")},
        {ID_FILE_SAVE_AS, QStringLiteral("作業中のファイルを新しい名前で保存\n名前をつけて保存")},
        {ID_FILE_PRINT_SETUP, QStringLiteral("プリンターおよび印刷オプションの変更\n印刷設定")},
        {ID_FILE_PRINT, QStringLiteral("作業中のファイルを印刷\n印刷")},
        {ID_FILE_PRINT_PREVIEW, QStringLiteral("印刷イメージを表示\n印刷プレビュー")},
        {ID_EDIT_COPY, QStringLiteral("選択範囲をコピーしてクリップボードに保存\nコピー")},
        {ID_EDIT_CUT, QStringLiteral("選択範囲を切り取ってクリップボードに保存\n切り取り")},
        {ID_EDIT_PASTE, QStringLiteral("クリップボードの内容を貼り付け\n貼り付け")},
        {ID_EDIT_UNDO, QStringLiteral("直前に行った動作を元に戻す\n元に戻す")},
        {ID_WINDOW_SPLIT, QStringLiteral("作業中のウィンドウを分割\n分割")},
        {ID_APP_ABOUT,
         QStringLiteral("プログラム情報、バージョン、著作権を表示します。\nバージョン情報")},
        {ID_APP_EXIT, QStringLiteral("アプリケーションを終了し、ファイルの保存を指示\n終了")},
        {ID_NEXT_PANE, QStringLiteral("次のウィンドウに切り替える\n次のペイン")},
        {ID_PREV_PANE, QStringLiteral("前のウィンドウに切り替える\n前のペイン")},
        {ID_VIEW_TOOLBAR, QStringLiteral("ツール バーの 表示/非表示\nツール バーの表示切り替え")},
        {ID_VIEW_STATUS_BAR,
         QStringLiteral("ステータス バーの表示/非表示\nステータス バーの表示切り替え")},
        {ID_VIEW_CASE_TABLE, QStringLiteral("全ケースの結果と判定を一覧表示\nケース一覧")},
    };
    if (IsRecentFileCommand(id))
        return QStringLiteral("指定のファイルを開く");
    auto it = prompts.find(id);
    return it == prompts.end() ? QString() : it->second;
}

} // namespace

QString StatusPrompt(int id) {
    return Prompt(id).section(QLatin1Char('\n'), 0, 0);
}

QString ToolTipPrompt(int id) {
    return Prompt(id).section(QLatin1Char('\n'), 1, 1);
}

QString IdleStatusText() {
    return QStringLiteral("レディ");
}

std::vector<QString> StatusIndicators() {
    return {QStringLiteral("CAP"), QStringLiteral("NUM"), QStringLiteral("SCRL")};
}
