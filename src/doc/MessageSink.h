// Modal message boxes. Every box of the program carries the application title as caption; a
// box with only an OK button shows the warning icon, a yes/no question the question icon.
#pragma once

#include <string>

inline constexpr wchar_t kAppTitle[] = L"TARVO";

enum class MessageIcon { Warning, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class IMessageSink {
public:
    virtual ~IMessageSink() = default;

    // Shows the box and returns the button that closed it; closing a question by other means
    // answers No.
    virtual MessageAnswer Show(const std::wstring& caption, const std::wstring& text,
                               MessageIcon icon, MessageButtons buttons) = 0;
};

// OK box with the warning icon.
void ShowWarning(IMessageSink& sink, const std::wstring& text);

// Yes/No question with the question icon; true only for Yes.
bool AskYesNo(IMessageSink& sink, const std::wstring& text);
