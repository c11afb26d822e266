#pragma once

#include <QFrame>

// A panel edged by a raised outer bevel and a lowered inner bevel, one pixel each.
class TBevelPanel : public QFrame {
    Q_OBJECT

public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent* event) override;
};
