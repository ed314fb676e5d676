// Compact fingerprints of everything a case renders: the clipboard text and the recorded drawing
// calls of the screen and of both printed pages. Stored fingerprints let a test prove that a
// change of the engine leaves a large set of sheets exactly as they were.
#pragma once

#include "model/RTData.h"

#include <cstdint>
#include <string>

struct SheetFingerprint {
    std::uint64_t text = 0;   // clipboard text
    std::uint64_t screen = 0; // whole sheet on a 96 dpi surface
    std::uint64_t page1 = 0;  // first printed page on a 600 dpi surface
    std::uint64_t page2 = 0;  // second printed page
};

SheetFingerprint FingerprintOf(const CRTData& c);

// "text screen page1 page2" in hexadecimal, the form of the stored file.
std::string ToLine(const SheetFingerprint& f);
