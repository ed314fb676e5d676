// The controls of a form, addressed by their control ids: the texts of edits, combo boxes and
// static labels, and the states of check boxes. The input panel and the detail settings dialog
// are reached through it, so that their exchange with a case runs without any widget.
#pragma once

#include <string>

class IDialogControls {
public:
    virtual ~IDialogControls() = default;

    virtual std::wstring GetText(int id) const = 0;
    virtual void SetText(int id, const std::wstring& text) = 0;
    virtual bool IsChecked(int id) const = 0;
    virtual void SetCheck(int id, bool checked) = 0;
};
