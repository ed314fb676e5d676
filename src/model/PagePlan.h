// The printed pages of a list of cases: every case marked for printing takes two pages, the
// first half of its sheet on the odd page and the second half on the even page.
#pragma once

#include "RTData.h"

#include <vector>

int PrintPageCount(const std::vector<CRTData>& cases);

// The case of page (counted from 1), or nullptr when no marked case falls on it.
CRTData* CaseForPage(std::vector<CRTData>& cases, int page);
