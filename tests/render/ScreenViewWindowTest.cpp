// The sheet view's window on the scroll area: the view draws the whole sheet through a painter
// shifted by the scroll position onto a device the size of the window, and texts wholly off
// that device are not laid out. Every window must show exactly the pixels of the same part of
// the whole sheet: lines cut by the window's edges, the upward labels of the wall figure and
// the bearing-pressure figure included.
#include "model/BarTable.h"
#include "model/RTData.h"
#include "model/Units.h"
#include "render/ScreenView.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

QImage WindowOnSheet(CRTData& c, const QRect& window) {
    QImage image(window.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(-window.topLeft());
    DrawScreenView(painter, 96, 96, c, 11);
    return image;
}

TEST(ScreenViewWindow, EveryWindowShowsThePixelsOfTheWholeSheet) {
    ASSERT_TRUE(LoadBarTable(TARVO_TEST_DATA "/../res/reinf.txt"));
    CRTData plain;
    CRTData sloped; // figure labels of a sloped backfill and a front surcharge
    sloped.m_alpha = DegToRad(15);
    sloped.m_T3 = 0.10;
    sloped.m_qFront = 10;
    const QRect windows[] = {
        {0, 0, 836, 809},      // the view of the main window at the top of the sheet
        {164, 1691, 836, 809}, // the same at the end of the scroll range
        {0, 0, 1, 1},          {35, 60, 180, 250}, // through the wall figure and its upward labels
        {300, 40, 400, 200},                       // through the input data lines
        {0, 807, 1000, 23},                        // a band that cuts lines through their middle
        {500, 1100, 300, 900}, // the right-hand ends of the lines and the pressure figure
        {993, 2493, 7, 7},
    };
    for (CRTData* c : {&plain, &sloped}) {
        const QImage whole = RenderScreenView(*c, 11, 96);
        for (const QRect& window : windows) {
            SCOPED_TRACE(testing::Message() << window.x() << "," << window.y() << " "
                                            << window.width() << "x" << window.height());
            EXPECT_TRUE(WindowOnSheet(*c, window) == whole.copy(window));
        }
    }
}

} // namespace
