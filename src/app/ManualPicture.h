// The input explanation picture: an SVG drawing beside the executable. Its width and height,
// in millimetres, give its frame; the view shows it at 1.27 times that size.
#pragma once

#include <QSize>
#include <QSvgRenderer>

#include <filesystem>
#include <memory>

class QPainter;

class CManualPicture {
public:
    // No picture when path is empty or the file is missing, unreadable or not a drawing with
    // a size; nothing is reported.
    explicit CManualPicture(const std::filesystem::path& path);

    bool IsNull() const { return m_renderer == nullptr; }

    // The rectangle the picture fills at dpiX x dpiY pixels per inch: from (50, 0), its frame
    // converted as if an inch were 20 mm.
    QRect Target(int dpiX, int dpiY) const;
    void Draw(QPainter& painter, int dpiX, int dpiY) const;

private:
    std::unique_ptr<QSvgRenderer> m_renderer;
    QSize m_frame; // 0.01 mm
};

// The frame of an SVG document in 0.01 mm, from the width and height of its root element in
// mm, cm, in, pt, pc or px (96 to the inch, also for plain numbers); an empty size when either
// is missing, not positive or in another unit.
QSize SvgFrame(const QByteArray& svg);
