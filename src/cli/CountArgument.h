// A count given on the command line, such as the case number of --case or the resolution of
// --dpi.
#pragma once

#include <string>

// Reads a whole positive decimal number (no sign, no blanks) into value; false when the text
// is not one or does not fit.
bool ParsePositive(const std::string& text, int& value);
