// Data exchange of the detail settings dialog: the values shown in its fields, and the
// checks that run, field by field in a fixed order, when it is closed with OK.
#pragma once

#include "doc/DialogControls.h"
#include "doc/MessageSink.h"
#include "doc/OptionDialog.h"

enum OptionControl : int {
    IDC_GAMMA_C = 1036,
    IDC_GAMMA_S_FRONT = 1040,
    IDC_Q_FRONT = 1084,
    IDC_LOAD_P = 1066,
    IDC_MOMENT_M = 1056,
    IDC_DELTA = 1027,
    IDC_DELTA_W = 1028,
    IDC_THETA_W = 1068,
    IDC_DT_WALL = 1018,
    IDC_DT_BASE = 1017,
    IDC_FS_OVERTURN = 1022,
    IDC_FS_SLIDING = 1023,
    IDC_CHECK_DELTA = 1012,   // δ = α
    IDC_CHECK_DELTA_W = 1014, // δw = 2/3 φ
    IDC_CHECK_THETA_W = 1016, // θw from the geometry
    IDC_KH1 = 1101,           // seismic group
    IDC_KH2 = 1102,
    IDC_FO_LARGE = 1103,
    IDC_FS_LARGE = 1104,
    IDC_RU = 1105,
};

// The fields of the seismic group, top to bottom. They take part in the exchange whether or
// not the case has an entered friction angle; the dialog disables them when it has none.
inline constexpr int kSeismicFields[] = {IDC_KH1, IDC_KH2, IDC_FO_LARGE, IDC_FS_LARGE, IDC_RU};
inline constexpr wchar_t kSeismicNeedsPhiNote[] =
    L"地震時の検討は内部摩擦角(φ)を入力した場合に行います。";

// Each automatic option and the angle field it governs: the field is enabled exactly while
// its box is clear. A disabled field keeps its text and still takes part in the exchange.
struct COptionAutoField {
    int check;
    int field;
};
inline constexpr COptionAutoField kOptionAutoFields[] = {
    {IDC_CHECK_DELTA, IDC_DELTA},
    {IDC_CHECK_DELTA_W, IDC_DELTA_W},
    {IDC_CHECK_THETA_W, IDC_THETA_W},
};

// Writes the values into the fields ("%.*g" with 15 significant digits) and the boxes.
void ShowOptionValues(const COptionValues& values, IDialogControls& controls);

// Reads the fields and boxes back. Each field must start with a number; γc and γs of the
// front soil must lie in 0..999 and the two safety factors in 1..5; then the seismic group,
// its numbers and its ranges (kh 0..1, safety factors 1..5, ru 1..10). The first field that
// fails gets its message and stops the exchange: false, with failedControl naming the field
// and values untouched. True when every field passed; values then hold them all.
bool ReadOptionValues(const IDialogControls& controls, COptionValues& values,
                      IMessageSink& messages, int& failedControl);
