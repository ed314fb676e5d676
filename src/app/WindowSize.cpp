#include "app/WindowSize.h"

#include <algorithm>

QSize FittedClientSize(const QSize& wanted, const QSize& available, const QMargins& frame) {
    const QSize outer = wanted.boundedTo(available);
    const QSize client = outer.shrunkBy(frame);
    return client.expandedTo(QSize(1, 1));
}

QPoint FittedOuterPosition(const QRect& outer, const QRect& available) {
    const int right = std::max(available.left(), available.right() - outer.width() + 1);
    const int bottom = std::max(available.top(), available.bottom() - outer.height() + 1);
    return QPoint(std::clamp(outer.left(), available.left(), right),
                  std::clamp(outer.top(), available.top(), bottom));
}
