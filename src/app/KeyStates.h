// The lock keys' states as the window system reports them: Caps Lock, Num Lock and Scroll
// Lock, read from X11 where the program runs on it.
#pragma once

// known is false where the window system reports nothing.
struct CKeyStates {
    bool known = false;
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

CKeyStates ReadKeyStates();
