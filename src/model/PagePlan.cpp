#include "PagePlan.h"

int PrintPageCount(const std::vector<CRTData>& cases) {
    int marked = 0;
    for (const CRTData& rt : cases) {
        if (rt.m_bPrint != 0)
            ++marked;
    }
    return 2 * marked;
}

CRTData* CaseForPage(std::vector<CRTData>& cases, int page) {
    // Pages 2k - 1 and 2k carry the k-th marked case.
    int k = static_cast<int>(page * 0.5 + 0.5);
    int count = 0;
    for (CRTData& rt : cases) {
        if (rt.m_bPrint != 0 && ++count == k)
            return &rt;
    }
    return nullptr;
}
