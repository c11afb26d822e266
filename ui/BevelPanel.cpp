#include "ui/BevelPanel.h"

#include <QPainter>
#include <qdrawutil.h>

TBevelPanel::TBevelPanel(QWidget* parent) : QFrame(parent) {
    setContentsMargins(2, 2, 2, 2);
}

void TBevelPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect outer = rect();
    qDrawShadePanel(&painter, outer, palette(), false, 1);
    qDrawShadePanel(&painter, outer.adjusted(1, 1, -1, -1), palette(), true, 1);
}
