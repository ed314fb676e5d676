#include "RecordingSurface.h"

CRecordingSurface::CRecordingSurface(int dpiX, int dpiY) : m_dpiX(dpiX), m_dpiY(dpiY) {
    m_objects.Select(m_objects.Add(true, {}));
    m_objects.Select(m_objects.Add(false, {}));
}

SurfaceHandle CRecordingSurface::CreateFont(const SurfaceFont& request) {
    ++m_fontsCreated;
    return m_objects.Add(true, {request, {}});
}

SurfaceHandle CRecordingSurface::CreateSolidBrush(SurfaceColor color) {
    ++m_brushesCreated;
    return m_objects.Add(false, {{}, {RecordedBrush::SOLID, color, 0}});
}

SurfaceHandle CRecordingSurface::CreateHatchBrush(int style, SurfaceColor color) {
    ++m_brushesCreated;
    return m_objects.Add(false, {{}, {RecordedBrush::HATCH, color, style}});
}

SurfaceHandle CRecordingSurface::SelectObject(SurfaceHandle object) {
    if (!m_objects.Contains(object))
        m_faults.push_back("select of unknown handle " + std::to_string(object));
    return m_objects.Select(object);
}

void CRecordingSurface::DeleteObject(SurfaceHandle object) {
    if (object == kStockFont || object == kStockBrush || !m_objects.Delete(object))
        m_faults.push_back("delete of a stock, unknown or selected handle " +
                           std::to_string(object));
}

unsigned CRecordingSurface::SetTextAlign(unsigned flags) {
    return m_objects.SetTextAlign(flags);
}

void CRecordingSurface::TextOut(int x, int y, const std::wstring& text) {
    RecordedOp op;
    op.kind = RecordedOp::TEXT;
    op.points = {{x, y}};
    op.text = text;
    op.font = m_objects.Font().font;
    op.align = m_objects.TextAlign();
    m_ops.push_back(op);
}

void CRecordingSurface::MoveTo(int x, int y) {
    m_position = {x, y};
}

void CRecordingSurface::LineTo(int x, int y) {
    RecordedOp op;
    op.kind = RecordedOp::LINE;
    op.points = {m_position, {x, y}};
    m_ops.push_back(op);
    m_position = {x, y};
}

void CRecordingSurface::Polygon(const std::vector<SurfacePoint>& points) {
    RecordedOp op;
    op.kind = RecordedOp::POLYGON;
    op.points = points;
    op.brush = m_objects.Brush().brush;
    m_ops.push_back(op);
}

void CRecordingSurface::Rectangle(int left, int top, int right, int bottom) {
    RecordedOp op;
    op.kind = RecordedOp::RECTANGLE;
    op.points = {{left, top}, {right, bottom}};
    op.brush = m_objects.Brush().brush;
    m_ops.push_back(op);
}

std::vector<RecordedOp> CRecordingSurface::OpsOfKind(RecordedOp::Kind kind) const {
    std::vector<RecordedOp> result;
    for (const RecordedOp& op : m_ops)
        if (op.kind == kind)
            result.push_back(op);
    return result;
}

std::vector<std::wstring> CRecordingSurface::Texts() const {
    std::vector<std::wstring> result;
    for (const RecordedOp& op : m_ops)
        if (op.kind == RecordedOp::TEXT)
            result.push_back(op.text);
    return result;
}

bool CRecordingSurface::Restored() const {
    return m_objects.SelectedFont() == kStockFont && m_objects.SelectedBrush() == kStockBrush &&
           m_objects.TextAlign() == 0 && LiveObjects() == 0;
}
