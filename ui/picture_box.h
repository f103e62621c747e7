#pragma once

#include <QImage>
#include <QWidget>

// Shows a picture stretched to fill the whole box. It draws from the full-size picture on every
// paint, so the result stays sharp at any screen scale.
class PictureBox : public QWidget {
public:
    explicit PictureBox(QImage picture, QWidget* parent = nullptr);

    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};
