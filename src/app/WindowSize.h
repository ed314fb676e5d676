// The size of the main window when it opens: the wanted outer size, window frame included,
// held within the screen's available area.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

// The client size that gives an outer size of 'wanted', at most 'available', around a
// window frame of 'frame'.
QSize FittedClientSize(const QSize& wanted, const QSize& available, const QMargins& frame);

// Where a window of outer rectangle 'outer' stands so that as much of it as possible lies
// within 'available', its top left corner always within.
QPoint FittedOuterPosition(const QRect& outer, const QRect& available);
