// The printed pages of a list of cases: every case marked for printing takes two pages, the
// first half of its sheet and then the second half, and a third page with its seismic checks
// when it asks for them. Without seismic checks the k-th marked case stands on pages 2k - 1
// and 2k.
#pragma once

#include "model/RTData.h"

#include <vector>

int PrintPageCount(const std::vector<CRTData>& cases);

// A page of the plan: its case (nullptr when no marked case falls on the page) and the page
// selector of the case's sheet that it carries (1, 2 or 3).
struct CPlannedPage {
    CRTData* pageCase = nullptr;
    int selector = 0;
};

// The page counted from 1.
CPlannedPage PlannedPage(std::vector<CRTData>& cases, int page);

// The case of page (counted from 1), or nullptr when no marked case falls on it.
inline CRTData* CaseForPage(std::vector<CRTData>& cases, int page) {
    return PlannedPage(cases, page).pageCase;
}
