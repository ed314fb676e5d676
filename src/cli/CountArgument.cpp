#include "cli/CountArgument.h"

#include "model/DecimalInteger.h"

bool ParsePositive(const std::string& text, int& value) {
    // Digits only: a sign is no part of a count.
    if (text.empty() || text[0] < '0' || text[0] > '9')
        return false;
    size_t pos = 0;
    const CDecimalInteger number = ScanDecimalInteger(std::string_view(text), pos);
    if (pos != text.size() || !number.inRange || number.value == 0)
        return false;
    value = number.value;
    return true;
}
