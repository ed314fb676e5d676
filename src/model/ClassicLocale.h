// The "C" locale as an object, for number conversions that must not follow the user's
// locale: sheets and input fields always use "." as the decimal point, also when the desktop
// program runs with a locale that writes a decimal comma.
#pragma once

#include <locale.h>

locale_t ClassicLocale();

// Makes the "C" locale the calling thread's locale for the lifetime of the object.
class CClassicLocaleScope {
public:
    CClassicLocaleScope() : m_previous(uselocale(ClassicLocale())) {}
    ~CClassicLocaleScope() { uselocale(m_previous); }
    CClassicLocaleScope(const CClassicLocaleScope&) = delete;
    CClassicLocaleScope& operator=(const CClassicLocaleScope&) = delete;

private:
    locale_t m_previous;
};
