// A drawing surface that draws nothing and records every operation with its coordinates and
// the font, text alignment and brush in effect, and keeps the books on created, selected and
// deleted fonts and brushes, so that tests can check what a drawing routine put where and that
// it left the surface as it found it.
#pragma once

#include "sheet/Surface.h"
#include "sheet/SurfaceObjects.h"

#include <string>
#include <vector>

struct RecordedBrush {
    enum Kind { STOCK_WHITE, SOLID, HATCH } kind = STOCK_WHITE;
    SurfaceColor color = Rgb(255, 255, 255);
    int hatchStyle = 0;
};

struct RecordedOp {
    enum Kind { TEXT, LINE, POLYGON, RECTANGLE } kind = TEXT;
    // TEXT: the reference point; LINE: from and to; POLYGON: the corners; RECTANGLE: left-top
    // and right-bottom.
    std::vector<SurfacePoint> points;
    std::wstring text;
    SurfaceFont font;    // in effect for TEXT
    unsigned align = 0;  // in effect for TEXT
    RecordedBrush brush; // in effect for POLYGON and RECTANGLE
};

class CRecordingSurface : public ISheetSurface {
public:
    static constexpr SurfaceHandle kStockFont = 1;
    static constexpr SurfaceHandle kStockBrush = 2;

    explicit CRecordingSurface(int dpiX = 96, int dpiY = 96);

    int PixelsPerInchX() const override { return m_dpiX; }
    int PixelsPerInchY() const override { return m_dpiY; }
    SurfaceHandle CreateFont(const SurfaceFont& request) override;
    SurfaceHandle CreateSolidBrush(SurfaceColor color) override;
    SurfaceHandle CreateHatchBrush(int style, SurfaceColor color) override;
    SurfaceHandle SelectObject(SurfaceHandle object) override;
    void DeleteObject(SurfaceHandle object) override;
    unsigned SetTextAlign(unsigned flags) override;
    void TextOut(int x, int y, const std::wstring& text) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Polygon(const std::vector<SurfacePoint>& points) override;
    void Rectangle(int left, int top, int right, int bottom) override;

    const std::vector<RecordedOp>& Ops() const { return m_ops; }
    std::vector<RecordedOp> OpsOfKind(RecordedOp::Kind kind) const;
    std::vector<std::wstring> Texts() const;

    int FontsCreated() const { return m_fontsCreated; }
    int BrushesCreated() const { return m_brushesCreated; }
    // Objects created and not yet deleted.
    int LiveObjects() const { return static_cast<int>(m_objects.Count()) - 2; }
    // True when the stock font and brush are selected again, the text alignment is back at 0
    // and every created object has been deleted.
    bool Restored() const;
    // Misuse seen: selecting or deleting an unknown handle, deleting a selected object.
    const std::vector<std::string>& Faults() const { return m_faults; }

private:
    struct Object {
        SurfaceFont font;
        RecordedBrush brush;
    };

    int m_dpiX;
    int m_dpiY;
    CSurfaceObjects<Object> m_objects;
    SurfacePoint m_position{0, 0};
    int m_fontsCreated = 0;
    int m_brushesCreated = 0;
    std::vector<RecordedOp> m_ops;
    std::vector<std::string> m_faults;
};
