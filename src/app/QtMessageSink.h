// Message boxes of the program on QMessageBox, captioned with the application title: the
// warning icon for a box with an OK button, the question icon for a question.
#pragma once

#include "doc/MessageSink.h"

// Answer to the question whether to save a modified document before it is closed.
enum class SaveAnswer { Save, Discard, Cancel };

// The boxes the program shows: those of the document and the save question of the window.
class IAppMessages : public IMessageSink {
public:
    // Yes / No / Cancel; closing the box by other means cancels.
    virtual SaveAnswer AskSave(const std::wstring& text) = 0;
};

class CQtMessageSink : public IAppMessages {
public:
    MessageAnswer Show(const std::wstring& caption, const std::wstring& text, MessageIcon icon,
                       MessageButtons buttons) override;
    SaveAnswer AskSave(const std::wstring& text) override;
};
