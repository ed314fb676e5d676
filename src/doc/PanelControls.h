// Control ids of the input panel.
#pragma once

#include "doc/Commands.h"

enum PanelControl : int {
    IDC_TITLE = 1078,
    IDC_H1 = 1042,
    IDC_H2 = 1044,
    IDC_D1 = 1019,
    IDC_D2 = 1020,
    IDC_ALPHA = 1000,
    IDC_T1 = 1072,
    IDC_T2 = 1074,
    IDC_T3 = 1076,
    IDC_L1 = 1050,
    IDC_L2 = 1052,
    IDC_FC = 1032,
    IDC_Q = 1082,
    IDC_MU = 1058,
    IDC_PHI_LABEL = 1070,
    IDC_PHI = 1048, // φ in degrees or KA, as the check box says
    IDC_PHI_CHECK = ID_CHECK_PHI,
    IDC_GAMMA_S = 1038,
    IDC_FE = 1034,
    IDC_BAR_WALL = 1002,
    IDC_BAR_TOE = 1004,
    IDC_BAR_HEEL = 1006,
    IDC_PITCH_WALL = 1060,
    IDC_PITCH_TOE = 1062,
    IDC_PITCH_HEEL = 1064,
    IDC_INDEX = 1046, // position label "case / cases"
};
