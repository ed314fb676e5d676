#include "app/KeyStates.h"

#include <QGuiApplication>

#ifdef TARVO_HAVE_X11
#include <X11/XKBlib.h>
#endif

CKeyStates ReadKeyStates() {
    CKeyStates states;
#ifdef TARVO_HAVE_X11
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 == nullptr ? nullptr : x11->display();
    if (display == nullptr)
        return states;
    // The keyboard's indicators by name; a missing one reads as off.
    auto lit = [display](const char* name) {
        Bool on = False;
        const Atom atom = XInternAtom(display, name, True);
        return atom != None &&
               XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr) && on;
    };
    states.known = true;
    states.caps = lit("Caps Lock");
    states.num = lit("Num Lock");
    states.scroll = lit("Scroll Lock");
#endif
    return states;
}
