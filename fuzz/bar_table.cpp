// Any byte string as "reinf.txt": no crash, no undefined behaviour, the table reports rows
// exactly when its first row holds a designation (and a reason exactly when it has none),
// ignored lines only behind a full table, and the three lookups resolve designations
// against whatever was read, the input's own first bytes among them.
#include "model/BarTable.h"
#include "model/RTData.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(text);
    BarTableLoad load = LoadBarTable(in);
    if (load.loaded != (g_barTable[0].szName[0] != L'\0') || load.loaded != load.reason.empty())
        __builtin_trap();
    if (load.linesLeftOut && g_barTable[kBarTableRows - 1].szName[0] == L'\0')
        __builtin_trap();
    for (const BARDATA& row : g_barTable) {
        if (row.szName[3] != L'\0' || row.szGrade[6] != L'\0')
            __builtin_trap();
    }

    CRTData c;
    c.m_strBar[SLOT_TOE] =
        std::wstring(text.begin(), text.begin() + std::min<std::size_t>(size, 8));
    for (int slot : {SLOT_WALL, SLOT_TOE, SLOT_HEEL}) {
        c.GetBarArea(slot);
        c.GetBarAllowableStress(slot);
        c.GetBarGradeLabel(slot);
    }
    return 0;
}
