#pragma once

#include <QLabel>

// A one-line label that fits itself to its text whenever the text changes, keeping its left
// and top edges where they were placed. A new font fits it again too.
class AutoSizeLabel : public QLabel {
    Q_OBJECT

public:
    explicit AutoSizeLabel(const QString& text, QWidget* parent = nullptr);

    // Hides QLabel::setText on purpose: the windows hold their labels as AutoSizeLabel.
    void setText(const QString& text);

protected:
    void changeEvent(QEvent* event) override;
};
