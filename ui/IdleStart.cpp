#include "ui/IdleStart.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

bool IsUserInput(const QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

class TIdleStarter : public QObject {
public:
    TIdleStarter(QWidget* window, std::chrono::milliseconds quietTime, std::function<void()> action)
        : QObject(window), Window(window), Action(std::move(action)) {
        Quiet.setSingleShot(true);
        Quiet.setInterval(quietTime);
        connect(&Quiet, &QTimer::timeout, this, [this] { Start(); });
        // An application-wide filter sees the window's paint events as well as all input.
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == Window && event->type() == QEvent::Paint && !Painted) {
            Painted = true;
            Quiet.start();
        } else if (Painted && IsUserInput(event)) {
            Quiet.start();
        }
        return false;
    }

private:
    void Start() {
        QCoreApplication::instance()->removeEventFilter(this);
        Action();
        deleteLater();
    }

    QWidget* const Window;
    const std::function<void()> Action;
    QTimer Quiet;
    bool Painted = false;
};

} // namespace

void RunWhenIdleAfterFirstPaint(QWidget* window, std::chrono::milliseconds quietTime,
                                std::function<void()> action) {
    new TIdleStarter(window, quietTime, std::move(action));
}
