// The drawing surface the calculation sheet and its figures are drawn on: screen, printer,
// print preview, PDF, image, or a recording surface in tests. Coordinates are device units
// (one logical unit is one device pixel, x to the right, y downward).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SurfacePoint {
    int x;
    int y;
};
inline bool operator==(SurfacePoint a, SurfacePoint b) {
    return a.x == b.x && a.y == b.y;
}
inline bool operator!=(SurfacePoint a, SurfacePoint b) {
    return !(a == b);
}

using SurfaceColor = std::uint32_t; // 0x00BBGGRR
constexpr SurfaceColor Rgb(int r, int g, int b) {
    return static_cast<SurfaceColor>(r) | static_cast<SurfaceColor>(g) << 8 |
           static_cast<SurfaceColor>(b) << 16;
}

// Text alignment flags, combined by addition; they refer to the text's own frame, so they
// turn with rotated text.
enum : unsigned {
    TA_LEFT_TOP = 0,
    TA_RIGHT = 2,
    TA_CENTER = 6,
    TA_BOTTOM = 8,
};

enum { HATCH_VERTICAL = 1 };

// A font as the sheet asks for it: a cell height in device units, an escapement of 0 or 900
// (tenths of a degree; 900 reads upward), fixed (1) or default (0) pitch, and a face name.
struct SurfaceFont {
    int height = 0;
    int escapement = 0;
    int pitch = 0;
    std::wstring face;
};

// The Mincho face every text of the sheet, its figures and the page number asks for.
extern const wchar_t kSheetFace[];

// Handles of fonts and brushes created on a surface. 0 is no object; a surface starts with
// its own default font and brush selected, whose handles it returns from the first Select.
using SurfaceHandle = int;

class ISheetSurface {
public:
    virtual ~ISheetSurface() = default;

    virtual int PixelsPerInchX() const = 0;
    virtual int PixelsPerInchY() const = 0;

    virtual SurfaceHandle CreateFont(const SurfaceFont& request) = 0;
    virtual SurfaceHandle CreateSolidBrush(SurfaceColor color) = 0;
    virtual SurfaceHandle CreateHatchBrush(int style, SurfaceColor color) = 0;
    // Selects a font or a brush and returns the one selected before.
    virtual SurfaceHandle SelectObject(SurfaceHandle object) = 0;
    virtual void DeleteObject(SurfaceHandle object) = 0;

    // Sets the text alignment flags and returns the previous ones.
    virtual unsigned SetTextAlign(unsigned flags) = 0;
    virtual void TextOut(int x, int y, const std::wstring& text) = 0;

    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void Polygon(const std::vector<SurfacePoint>& points) = 0;
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
};

// A font or brush created on a surface and selected into it for the lifetime of this object;
// at the end the previous object is selected back and the created one deleted, so that every
// drawing routine leaves the surface as it found it on every path.
class CSelectedObject {
public:
    CSelectedObject(ISheetSurface& surface, SurfaceHandle object)
        : m_surface(surface), m_object(object), m_previous(surface.SelectObject(object)) {}
    ~CSelectedObject() {
        m_surface.SelectObject(m_previous);
        m_surface.DeleteObject(m_object);
    }
    CSelectedObject(const CSelectedObject&) = delete;
    CSelectedObject& operator=(const CSelectedObject&) = delete;

private:
    ISheetSurface& m_surface;
    SurfaceHandle m_object;
    SurfaceHandle m_previous;
};
