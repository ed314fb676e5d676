// The case file (".tarvo"): the document's page settings, the index of the current case and
// the ordered case list, little-endian, in the layout of an object archive (settings, a count,
// and each case as a class tag followed by its body).
#pragma once

#include "model/RTData.h"

#include <cstdint>
#include <vector>

// Page settings and current index as the case file carries them; the values are those of a
// new document.
struct CDocSettings {
    int nFontSize = 11;
    int nCurrent = -1;
    int rcMargin[4] = {1500, 1500, 1500, 1500}; // left, top, right, bottom in 0.01 mm
    int bDrawFrame = 1;
    int bPageNumber = 1;
};

enum class CaseFileStatus {
    Ok,
    UnexpectedFormat, // cut short, a wrong tag, a class other than CRTData
    ReadFailure,      // any other failure, e.g. a text of 2^31 characters or more
};

// Message of a failed load; empty for Ok.
const wchar_t* CaseFileStatusMessage(CaseFileStatus status);

// Message of a failed save.
inline constexpr wchar_t kCaseFileSaveFailedMessage[] = L"ドキュメントの保存に失敗しました。";

std::vector<std::uint8_t> WriteCaseFile(const CDocSettings& settings,
                                        const std::vector<CRTData>& cases);

// Reads a whole case file. cases is emptied first and, on any failure, stays empty: no case
// read before the fault survives; settings are then left as they were. On success settings
// hold the stored values, except that the current index always names a case of the list:
// -1 exactly when the list is empty, the last case when the stored index is too large and
// the first case when it is negative. An empty file (zero bytes) reads as a document without
// cases that keeps the page settings it had.
CaseFileStatus ReadCaseFile(const std::vector<std::uint8_t>& bytes, CDocSettings& settings,
                            std::vector<CRTData>& cases);
