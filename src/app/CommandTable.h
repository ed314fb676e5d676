// The menus, toolbar, accelerator keys and command prompts of the main window, with the
// command ids that menus, keys, toolbar and the input panel's buttons share.
#pragma once

#include "doc/Commands.h"

#include <QKeySequence>
#include <QString>

#include <vector>

// Commands of the window itself: files, printing, editing, panes and bars.
enum FrameCommandId : int {
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_MRU_FILE1 = 57616, // the recent files take 57616 to 57621
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_UNDO = 57643,
    ID_WINDOW_SPLIT = 57653,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
    ID_VIEW_CASE_TABLE = 32800, // the overview of every case
};

inline constexpr int kRecentFileCount = 6;

// Whether id is the command of one of the recent files of the file menu.
inline constexpr bool IsRecentFileCommand(int id) {
    return id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + kRecentFileCount;
}

// A menu entry; id 0 stands for a separator. The text carries its key after a tab.
struct CMenuItem {
    int id;
    QString text;
};

struct CMenuDef {
    QString title;
    std::vector<CMenuItem> items;
};

const std::vector<CMenuDef>& MenuBar();

// The toolbar's buttons in order; 0 stands for a separator.
const std::vector<int>& ToolbarButtons();

// The resource name of a toolbar button's picture.
QString ToolbarIcon(int id);

struct CAccelerator {
    QKeySequence key;
    int command;
};

// The accelerator table in its order: the first entry that matches a key wins.
const std::vector<CAccelerator>& Accelerators();

// Editing commands (copy, cut, paste, undo) leave their keys to a text field that has the
// focus; every other accelerator works wherever the focus is in the main window.
bool IsEditingCommand(int id);

// The status-bar text and the tooltip of a command; empty when it has none.
QString StatusPrompt(int id);
QString ToolTipPrompt(int id);

// The status bar's idle text and its key-state indicators.
QString IdleStatusText();
std::vector<QString> StatusIndicators();
