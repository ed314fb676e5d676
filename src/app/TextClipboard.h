// Where the copy command puts the sheet text: the desktop's clipboard, or a stand-in.
#pragma once

#include <QString>

class ITextClipboard {
public:
    virtual ~ITextClipboard() = default;
    // Replaces the clipboard's content by text; false when the clipboard could not be taken
    // (another program holds it), which leaves it as it was.
    virtual bool SetText(const QString& text) = 0;
};

class CSystemClipboard : public ITextClipboard {
public:
    bool SetText(const QString& text) override;
};
