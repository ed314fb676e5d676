// Message boxes recorded instead of shown, so that no test waits for a person: each box with
// its caption, text, icon and buttons, and yes/no questions answered as the test says.
#pragma once

#include "doc/MessageSink.h"

#include <string>
#include <vector>

struct CShownBox {
    std::wstring caption;
    std::wstring text;
    MessageIcon icon;
    MessageButtons buttons;
};

// Sink: the document's message sink or an interface of the desktop program built on it.
template <class Sink> class CMessageRecorder : public Sink {
public:
    MessageAnswer Show(const std::wstring& caption, const std::wstring& text, MessageIcon icon,
                       MessageButtons buttons) override {
        shown.push_back({caption, text, icon, buttons});
        return buttons == MessageButtons::YesNo ? answer : MessageAnswer::Ok;
    }

    std::vector<CShownBox> shown;
    MessageAnswer answer = MessageAnswer::Yes; // to yes/no questions
};

// The boxes of the document.
using CRecordingMessages = CMessageRecorder<IMessageSink>;
