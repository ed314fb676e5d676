#include "doc/MessageSink.h"

void ShowWarning(IMessageSink& sink, const std::wstring& text) {
    sink.Show(kAppTitle, text, MessageIcon::Warning, MessageButtons::Ok);
}

bool AskYesNo(IMessageSink& sink, const std::wstring& text) {
    return sink.Show(kAppTitle, text, MessageIcon::Question, MessageButtons::YesNo) ==
           MessageAnswer::Yes;
}
