// Numbers typed into the input panel and the dialogs, and numbers shown there. Reading and
// writing do not depend on the process locale: the decimal point is always ".".
#pragma once

#include <string>

// Takes the decimal number at the start of text: leading white space, an optional sign,
// digits with an optional decimal point, an optional exponent; anything after it is ignored.
// False, with value untouched, when the text does not start with such a number.
bool ScanDecimal(const std::wstring& text, double& value);

// The decimal number at the start of text, 0 when there is none.
double ReadNumber(const std::wstring& text);

// The decimal integer at the start of text (optional sign and digits), 0 when there is none;
// values beyond the range of int stop at its limits.
int ReadInteger(const std::wstring& text);

// "%.*f" with the given number of decimals.
std::wstring FormatFixed(double value, int decimals);

// "%.*g": the shortest form with at most the given number of significant digits.
std::wstring FormatGeneral(double value, int precision);
