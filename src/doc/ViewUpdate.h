// Repaint request to every view of the document. The views decide at each repaint what to
// show, from the document's current case and its picture flag.
#pragma once

class IViewUpdate {
public:
    virtual ~IViewUpdate() = default;

    virtual void UpdateAllViews() = 0;
};
