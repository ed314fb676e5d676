// The QPainter surface on images: the Mincho stand-in keeps ASCII exactly half as wide as
// full-width characters, texts sit where their alignment flags put them (also when they read
// upward), hatches leave their gaps unpainted, shapes take the selected brush.
#include "render/PainterSurface.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

namespace {

QImage Canvas(QColor background = Qt::white) {
    QImage image(400, 400, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

// Draws on a white canvas through a surface at 96 pixels per inch.
QImage Drawn(const std::function<void(ISheetSurface&)>& draw, int dpi = 96) {
    QImage image = Canvas();
    QPainter painter(&image);
    {
        CPainterSurface surface(painter, dpi, dpi);
        draw(surface);
    }
    painter.end();
    return image;
}

bool Dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// The bounding box of the dark pixels.
QRect Ink(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Dark(image, x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

SurfaceFont Mincho(int height, int escapement = 0) {
    SurfaceFont request;
    request.height = height;
    request.escapement = escapement;
    request.face = kSheetFace;
    return request;
}

TEST(PainterSurface, MinchoFullWidthIsTwiceAscii) {
    for (int height : {6, 7, 10, 15, 44, 92}) {
        SCOPED_TRACE(height);
        const QFontMetricsF metrics(CPainterSurface::FontFor(Mincho(height)));
        const qreal full = metrics.horizontalAdvance(QString::fromWCharArray(L"　"));
        EXPECT_DOUBLE_EQ(full, height);
        EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(QStringLiteral("A")) * 2, full);
        // A sheet line: 6 full-width characters, 9 half-width ones (katakana and ASCII).
        const QString line = QString::fromWCharArray(L"　　転倒ﾓｰﾒﾝﾄ　 Mo ＝");
        EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(line), (6 + 9 / 2.0) * height);
    }
}

// A text is drawn as its characters side by side, each at its own advance: a face that kerns
// pairs such as "AV" must not pull them together, or the columns of a sheet line would drift.
TEST(PainterSurface, CharactersKeepTheirOwnAdvancesWithoutKerning) {
    SurfaceFont request;
    request.height = 40;
    request.face = L"DejaVu Sans"; // a face with kerning pairs
    const QString text = QStringLiteral("AVAWAVTo");
    const QImage whole = Drawn([&](ISheetSurface& s) {
        const SurfaceHandle font = s.CreateFont(request);
        const SurfaceHandle previous = s.SelectObject(font);
        s.TextOut(10, 100, text.toStdWString());
        s.SelectObject(previous);
        s.DeleteObject(font);
    });
    const QFontMetricsF metrics(CPainterSurface::FontFor(request));
    QImage apart = Canvas();
    {
        QPainter painter(&apart);
        QFont font = CPainterSurface::FontFor(request);
        painter.setFont(font);
        qreal x = 10;
        for (QChar c : text) {
            painter.drawText(QPointF(x, 100 + metrics.ascent()), QString(c));
            x += metrics.horizontalAdvance(c);
        }
    }
    EXPECT_TRUE(whole == apart);
}

// Reference point and cell height of the alignment cases.
constexpr int kX = 200, kY = 200, kH = 20;

// Where a text's ink lies around its reference point (200, 200), for each alignment, in the
// text's own frame: horizontal, and reading upward (rotated 90 degrees counter-clockwise).
TEST(PainterSurface, AlignmentIsTakenInTheTextsOwnFrame) {
    struct Row {
        int escapement;
        unsigned align;
        std::function<void(const QRect&)> check;
    };
    auto centredX = [](const QRect& ink) { EXPECT_NEAR(ink.center().x(), kX, 2); };
    auto centredY = [](const QRect& ink) { EXPECT_NEAR(ink.center().y(), kY, 2); };
    const Row rows[] = {
        {0, 0,
         [](const QRect& ink) {
             EXPECT_GE(ink.left(), kX);
             EXPECT_LE(ink.left(), kX + 3);
             EXPECT_GE(ink.top(), kY);
             EXPECT_LE(ink.bottom(), kY + kH + kH / 4);
         }},
        {0, TA_RIGHT,
         [](const QRect& ink) {
             EXPECT_LE(ink.right(), kX);
             EXPECT_GE(ink.right(), kX - 4);
             EXPECT_GE(ink.top(), kY);
         }},
        {0, TA_CENTER,
         [&](const QRect& ink) {
             centredX(ink);
             EXPECT_GE(ink.top(), kY);
         }},
        {0, TA_BOTTOM + TA_CENTER,
         [&](const QRect& ink) {
             centredX(ink);
             EXPECT_LT(ink.bottom(), kY);
             EXPECT_GE(ink.bottom(), kY - kH / 2);
         }},
        {0, TA_BOTTOM + TA_RIGHT,
         [](const QRect& ink) {
             EXPECT_LE(ink.right(), kX);
             EXPECT_LT(ink.bottom(), kY);
         }},
        // Upward: bottom = left of x, top = right of x, centred on y, right = upper end at y.
        {900, TA_BOTTOM + TA_CENTER,
         [&](const QRect& ink) {
             centredY(ink);
             EXPECT_LT(ink.right(), kX);
             EXPECT_GE(ink.right(), kX - kH / 2);
         }},
        {900, TA_CENTER,
         [&](const QRect& ink) {
             centredY(ink);
             EXPECT_GE(ink.left(), kX);
         }},
        {900, TA_RIGHT,
         [](const QRect& ink) {
             EXPECT_GE(ink.left(), kX);
             EXPECT_GE(ink.top(), kY);
             EXPECT_LE(ink.top(), kY + 4);
         }},
        {900, TA_BOTTOM + TA_RIGHT,
         [](const QRect& ink) {
             EXPECT_LT(ink.right(), kX);
             EXPECT_GE(ink.top(), kY);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.escapement << " / " << row.align);
        const QImage image = Drawn([&](ISheetSurface& s) {
            CSelectedObject font(s, s.CreateFont(Mincho(kH, row.escapement)));
            const unsigned previous = s.SetTextAlign(row.align);
            s.TextOut(kX, kY, L"10.0kN");
            s.SetTextAlign(previous);
        });
        const QRect ink = Ink(image);
        ASSERT_FALSE(ink.isEmpty());
        // Six half-width characters: 60 pixels along the reading direction.
        if (row.escapement == 0) {
            EXPECT_GT(ink.width(), ink.height());
            EXPECT_NEAR(ink.width(), 60, 6);
        } else {
            EXPECT_GT(ink.height(), ink.width());
            EXPECT_NEAR(ink.height(), 60, 6);
        }
        row.check(ink);
    }
}

// Reading upward, the first character sits just above the reference point and the blanks
// after it run on upward.
TEST(PainterSurface, UpwardTextStartsAtTheReferencePoint) {
    const QImage image = Drawn([](ISheetSurface& s) {
        CSelectedObject font(s, s.CreateFont(Mincho(40, 900)));
        s.TextOut(200, 300, L"1  ");
    });
    const QRect ink = Ink(image);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LE(ink.bottom(), 300);
    EXPECT_GE(ink.top(), 300 - 20);
    EXPECT_GE(ink.left(), 200);
}

TEST(PainterSurface, HatchDrawsVerticalLinesAndLeavesTheGapsUnpainted) {
    for (int dpi : {96, 300}) {
        SCOPED_TRACE(dpi);
        const int step = dpi == 96 ? 8 : 25;
        const QImage image = Drawn(
            [](ISheetSurface& s) {
                CSelectedObject hatch(s, s.CreateHatchBrush(HATCH_VERTICAL, Rgb(0, 0, 0)));
                s.Polygon({{100, 100}, {300, 100}, {300, 200}, {100, 200}});
            },
            dpi);
        const int line = (100 / step + 1) * step; // first hatch line inside the outline
        EXPECT_TRUE(Dark(image, line, 150));
        EXPECT_TRUE(Dark(image, line + step, 150));
        EXPECT_FALSE(Dark(image, line + step / 2, 150));
        EXPECT_TRUE(Dark(image, 100, 150)); // outline
        EXPECT_TRUE(Dark(image, 200, 100));
        EXPECT_FALSE(Dark(image, line, 90)); // nothing outside
        EXPECT_FALSE(Dark(image, line, 210));
    }
}

TEST(PainterSurface, ShapesTakeTheSelectedBrush) {
    QImage image = Canvas(QColor(128, 0, 0));
    {
        QPainter painter(&image);
        CPainterSurface s(painter, 96, 96);
        s.Rectangle(10, 10, 50, 30); // the stock brush is white
        CSelectedObject grey(s, s.CreateSolidBrush(Rgb(225, 225, 225)));
        s.Polygon({{100, 100}, {200, 100}, {150, 180}});
        s.MoveTo(300, 300);
        s.LineTo(350, 300);
    }
    EXPECT_EQ(image.pixel(30, 20), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(10, 10), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(49, 29), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(50, 30), qRgb(128, 0, 0)); // right and bottom edges excluded
    EXPECT_EQ(image.pixel(150, 130), qRgb(225, 225, 225));
    EXPECT_EQ(image.pixel(325, 300), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(325, 301), qRgb(128, 0, 0)); // one pixel wide
}

} // namespace
