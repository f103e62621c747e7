#include "picture_box.h"

#include <QPainter>
#include <utility>

PictureBox::PictureBox(QImage picture, QWidget* parent)
    : QWidget(parent), picture_(std::move(picture)) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, !picture_.hasAlphaChannel());
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), picture_);
}
