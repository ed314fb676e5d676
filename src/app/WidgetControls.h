// The controls of a form addressed by their control ids, as the document's exchanges reach
// them: line edits, editable combo boxes, labels and check boxes.
#pragma once

#include "doc/DialogControls.h"

#include <map>

class QWidget;

class CWidgetControls : public IDialogControls {
public:
    void Add(int id, QWidget* widget);
    // The control with this id, or null.
    QWidget* Widget(int id) const;

    // An id without a control reads as an empty text and a clear box, and is not written.
    std::wstring GetText(int id) const override;
    void SetText(int id, const std::wstring& text) override;
    bool IsChecked(int id) const override;
    void SetCheck(int id, bool checked) override;

private:
    std::map<int, QWidget*> m_widgets;
};
