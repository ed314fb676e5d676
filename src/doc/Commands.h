// Command ids of the program, shared by the menus, the toolbar and the input panel's buttons.
#pragma once

enum CommandId : int {
    ID_DATA_NEXT = 32771,
    ID_HELP_MANUAL = 32772,
    ID_DATA_PREV = 32773,
    ID_DATA_DELETE = 32774,
    ID_DATA_EDIT = 32775,
    ID_CHECK_PHI = 32776, // the input panel's φ check box
    ID_HELP_README = 32777,
    ID_DATA_ADD = 32778,
    ID_DATA_RECALC = 32779,
    ID_DATA_DETAIL = 32780,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
};
