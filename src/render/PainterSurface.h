// The drawing surface on a QPainter: screen, printer, print preview, PDF and images. One
// logical unit is one device pixel of the painter's device. Fonts are given by their cell
// height; texts are placed by the text alignment flags in the text's own frame (also when the
// text reads upward); the background is never painted behind texts or hatches.
#pragma once

#include "sheet/Surface.h"
#include "sheet/SurfaceObjects.h"

#include <QBrush>
#include <QFont>
#include <QPoint>

class QPainter;

class CPainterSurface : public ISheetSurface {
public:
    // dpiX, dpiY: the device's pixels per inch, as the sheet is to convert points with them.
    CPainterSurface(QPainter& painter, int dpiX, int dpiY);
    ~CPainterSurface() override;

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

    // The QFont of a font request: the cell height as pixel size, unhinted advances.
    static QFont FontFor(const SurfaceFont& request);

    // The family that stands in for a requested face: the Mincho face itself where it is
    // installed, else its Latin name, else IPAMincho, in all of which ASCII characters are
    // exactly half as wide as full-width ones.
    static QString FamilyFor(const std::wstring& face);

private:
    struct Object {
        QFont font;
        int escapement = 0;
        QBrush brush;
    };

    QPainter& m_painter;
    int m_dpiX;
    int m_dpiY;
    CSurfaceObjects<Object> m_objects;
    QPoint m_position;
};
