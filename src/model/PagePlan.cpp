#include "model/PagePlan.h"

namespace {

int PagesOf(const CRTData& rt) {
    return rt.SeismicAsked() ? 3 : 2;
}

} // namespace

int PrintPageCount(const std::vector<CRTData>& cases) {
    int pages = 0;
    for (const CRTData& rt : cases) {
        if (rt.m_bPrint != 0)
            pages += PagesOf(rt);
    }
    return pages;
}

CPlannedPage PlannedPage(std::vector<CRTData>& cases, int page) {
    if (page < 1)
        return {};
    int first = 1; // first page of the next marked case
    for (CRTData& rt : cases) {
        if (rt.m_bPrint == 0)
            continue;
        const int pages = PagesOf(rt);
        if (page < first + pages)
            return {&rt, page - first + 1};
        first += pages;
    }
    return {};
}
