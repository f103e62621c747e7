// Both windows on a high-density screen (run with QT_SCALE_FACTOR set): they scale as a whole,
// every text fits its label, and the picture is drawn from its full-size original.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "auto_size_label.h"
#include "contact_window_holder.h"
#include "form1.h"
#include "form2.h"
#include "ui_test_support.h"

namespace {

// Share of grey mid-tone pixels: a black and white code drawn sharply has few of them.
double midToneShare(const QImage& image) {
    int midTones = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            midTones += c.hslSaturation() < 60 && c.lightness() > 48 && c.lightness() < 208 ? 1 : 0;
        }
    }
    return double(midTones) / (image.width() * image.height());
}

void verifyLabelsFit(QWidget& window) {
    const QList<QWidget*> controls = window.findChildren<QWidget*>();
    for (QWidget* control : controls) {
        // Every control lies inside its parent.
        QVERIFY2(control->parentWidget()->rect().contains(control->geometry()),
                 qPrintable(control->objectName()));
        if (auto* label = qobject_cast<AutoSizeLabel*>(control)) {
            const QFontMetrics metrics(label->font());
            QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->objectName()));
            QVERIFY2(metrics.height() <= label->height(), qPrintable(label->objectName()));
        }
        // No two controls of the same parent overlap.
        for (QWidget* other : controls) {
            if (other != control && other->parentWidget() == control->parentWidget()) {
                QVERIFY2(!control->geometry().intersects(other->geometry()),
                         qPrintable(control->objectName() + " overlaps " + other->objectName()));
            }
        }
    }
}

}  // namespace

class TestScreenScale : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        setUpTestApplication();
        QVERIFY2(qApp->devicePixelRatio() > 1.0, "run with QT_SCALE_FACTOR above 1");
        contactWindow_ = std::make_unique<ContactWindowHolder>();
        form_ = std::make_unique<Form1>(*contactWindow_);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        form_->Command1->click();  // the widest result texts
        form_->Command2->click();
        QVERIFY(QTest::qWaitForWindowExposed(contactWindow_->window()));
    }

    void cleanupTestCase() {
        form_.reset();
        contactWindow_.reset();
    }

    void windowsScaleAsAWhole() {
        const qreal scale = qApp->devicePixelRatio();
        const QPixmap main = form_->grab();
        const QPixmap contact = contactWindow_->window()->grab();
        QCOMPARE(main.devicePixelRatio(), scale);
        QCOMPARE(form_->size(), QSize(322, 240));  // in device-independent pixels
        if (scale == 2.0) {
            QCOMPARE(main.size(), QSize(644, 480));
            QCOMPARE(contact.size(), QSize(436, 382));
        }
    }

    void textsFitTheirLabels() {
        verifyLabelsFit(*form_);
        verifyLabelsFit(*contactWindow_->window());
    }

    void pictureIsSharp() {
        QLabel* image = contactWindow_->window()->Image1;
        const QImage drawn = image->grab().toImage();
        QCOMPARE(drawn.size(), image->size() * qApp->devicePixelRatio());

        // What a copy first scaled to the box's 133 pixels would show when stretched again.
        const QImage original = image->pixmap().toImage();
        const QImage blurred =
            original.scaled(image->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .scaled(drawn.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double drawnShare = midToneShare(drawn);
        const double blurredShare = midToneShare(blurred);
        QVERIFY2(drawnShare < blurredShare * 0.7,
                 qPrintable(
                     QStringLiteral("mid tones %1 against %2").arg(drawnShare).arg(blurredShare)));
    }

private:
    std::unique_ptr<ContactWindowHolder> contactWindow_;
    std::unique_ptr<Form1> form_;
};

QTEST_MAIN(TestScreenScale)
#include "screen_scale_test.moc"
