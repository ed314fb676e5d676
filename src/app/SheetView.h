// The view of the document: the calculation sheet of the current case, or the input
// explanation picture when there is no case or the picture was asked for. The scroll area is
// fixed at 1000 x 2500 pixels; the left mouse button drags the sheet with the mouse. The view
// keeps nothing about what it shows: each repaint asks the document and computes the case
// anew.
#pragma once

#include <QAbstractScrollArea>

class CManualPicture;
class CTARVODoc;
class IMessageSink;
class ITextClipboard;

class CTARVOView : public QAbstractScrollArea {
    Q_OBJECT
public:
    CTARVOView(CTARVODoc& doc, const CManualPicture& picture, QWidget* parent = nullptr);

    QPoint ScrollPosition() const;
    // Scrolls to position, held within the scroll range.
    void ScrollTo(const QPoint& position);

    // True when a repaint draws the sheet of the current case, false for the picture.
    bool ShowsSheet() const;

    // Fits the scroll ranges to what the view shows: a sheet with seismic checks is longer.
    void UpdateScrollBars();

signals:
    // The view got the keyboard focus: it is the active pane.
    void activated(CTARVOView* view);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    CTARVODoc& m_doc;
    const CManualPicture& m_picture;
    bool m_dragging = false;
    QPoint m_dragScroll; // scroll position at the press
    QPoint m_dragPoint;  // press point in the view
};

// The copy command is enabled while the sheet is on screen: the picture flag clear and at
// least one case.
bool IsCopyEnabled(const CTARVODoc& doc);

// Puts the sheet of the current case, as CR LF separated lines without the figures, on the
// clipboard; nothing happens without a current case. The text stays in the case's sheet
// buffer until the next copy. A clipboard that cannot be taken is reported with "エラー".
void CopySheetToClipboard(CTARVODoc& doc, ITextClipboard& clipboard, IMessageSink& messages);
