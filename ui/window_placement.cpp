#include "window_placement.h"

#include <QRect>
#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget& window) {
    const QRect available = window.screen()->availableGeometry();
    // Before the first show the frame is not known yet and the frame size is the client size.
    QRect frame(QPoint(), window.frameGeometry().size());
    frame.moveCenter(available.center());
    window.move(frame.topLeft());
}
