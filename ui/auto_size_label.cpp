#include "auto_size_label.h"

#include <QEvent>

AutoSizeLabel::AutoSizeLabel(const QString& text, QWidget* parent) : QLabel(parent) {
    setWordWrap(false);
    setText(text);
}

void AutoSizeLabel::setText(const QString& text) {
    QLabel::setText(text);
    adjustSize();  // resize() only: the position stays
}

void AutoSizeLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) adjustSize();
}
