#include "app/SheetView.h"

#include "app/ManualPicture.h"
#include "doc/TARVODoc.h"
#include "render/ScreenView.h"

#include "app/TextClipboard.h"
#include "doc/MessageSink.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

// A page step is a tenth of the scroll area, a line step a tenth of a page.
constexpr int kPageX = kScrollWidth / 10;
constexpr int kPageY = kScrollHeight / 10;

const wchar_t kClipboardFailed[] = L"エラー";

} // namespace

CTARVOView::CTARVOView(CTARVODoc& doc, const CManualPicture& picture, QWidget* parent)
    : QAbstractScrollArea(parent), m_doc(doc), m_picture(picture) {
    setCursor(Qt::OpenHandCursor);
    viewport()->setCursor(Qt::OpenHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(10, 10);
    horizontalScrollBar()->setSingleStep(kPageX / 10);
    horizontalScrollBar()->setPageStep(kPageX);
    verticalScrollBar()->setSingleStep(kPageY / 10);
    verticalScrollBar()->setPageStep(kPageY);
    UpdateScrollBars();
}

QPoint CTARVOView::ScrollPosition() const {
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void CTARVOView::ScrollTo(const QPoint& position) {
    // The scroll bars hold the values within their ranges.
    horizontalScrollBar()->setValue(position.x());
    verticalScrollBar()->setValue(position.y());
}

bool CTARVOView::ShowsSheet() const {
    return m_doc.GetCase(m_doc.m_nCurrent) != nullptr && !m_doc.m_bShowManual;
}

void CTARVOView::UpdateScrollBars() {
    const QSize visible = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, kScrollWidth - visible.width()));
    const int height =
        ShowsSheet() ? ScrollHeightFor(*m_doc.GetCase(m_doc.m_nCurrent)) : kScrollHeight;
    verticalScrollBar()->setRange(0, std::max(0, height - visible.height()));
}

void CTARVOView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::white);
    painter.translate(-ScrollPosition());
    const int dpiX = viewport()->logicalDpiX();
    const int dpiY = viewport()->logicalDpiY();
    if (ShowsSheet())
        DrawScreenView(painter, dpiX, dpiY, *m_doc.GetCase(m_doc.m_nCurrent), m_doc.m_nFontSize);
    else
        m_picture.Draw(painter, dpiX, dpiY);
}

void CTARVOView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CTARVOView::scrollContentsBy(int, int) {
    viewport()->update();
}

void CTARVOView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    m_dragging = true;
    m_dragScroll = ScrollPosition();
    m_dragPoint = event->position().toPoint();
    viewport()->setCursor(Qt::ClosedHandCursor);
}

void CTARVOView::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    // The point of the sheet under the cursor at the press stays under the cursor.
    ScrollTo(m_dragScroll + m_dragPoint - event->position().toPoint());
}

void CTARVOView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_dragging) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    m_dragging = false;
    viewport()->setCursor(Qt::OpenHandCursor);
}

void CTARVOView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    emit activated(this);
}

bool IsCopyEnabled(const CTARVODoc& doc) {
    return !doc.m_bShowManual && doc.GetCaseCount() > 0;
}

void CopySheetToClipboard(CTARVODoc& doc, ITextClipboard& clipboard, IMessageSink& messages) {
    CRTData* rt = doc.GetCase(doc.m_nCurrent);
    if (rt == nullptr)
        return;
    rt->m_strSheet.clear();
    rt->DrawSheet(nullptr, 0, 0, 0, 0);
    if (!clipboard.SetText(QString::fromStdWString(rt->m_strSheet)))
        ShowWarning(messages, kClipboardFailed);
}
