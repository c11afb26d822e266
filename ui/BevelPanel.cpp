#include "ui/BevelPanel.h"

#include <QPainter>
#include <qdrawutil.h>

void TBevelPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect outer = rect();
    qDrawShadePanel(&painter, outer, palette(), false, 1);
    qDrawShadePanel(&painter, outer.adjusted(1, 1, -1, -1), palette(), true, 1);
}
