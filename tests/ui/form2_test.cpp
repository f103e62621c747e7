// The contact window: its layout, the code it shows, and how the apply button opens it.

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdlib>
#include <memory>

#include "amount_edit.h"
#include "auto_size_label.h"
#include "contact_window_holder.h"
#include "form1.h"
#include "form2.h"
#include "maker.h"
#include "ui_test_support.h"

namespace {

const QString kPicturePath = QStringLiteral(":/contact-picture.jpg");

// Counts the pixels of `image` that are near black, near white and strongly coloured.
struct PixelKinds {
    int dark = 0, light = 0, coloured = 0;
};

PixelKinds pixelKinds(const QImage& image) {
    PixelKinds kinds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            kinds.dark += c.lightness() < 64 ? 1 : 0;
            kinds.light += c.lightness() > 192 && c.hslSaturation() < 40 ? 1 : 0;
            kinds.coloured +=
                c.hslSaturation() > 128 && c.lightness() > 64 && c.lightness() < 192 ? 1 : 0;
        }
    }
    return kinds;
}

// Centred on its screen. Before a window is first shown its frame is not known, so the first
// placement may be off by the size of the frame's margins.
bool isCentred(const QWidget& window) {
    const QPoint offset =
        window.frameGeometry().center() - window.screen()->availableGeometry().center();
    const QSize margins = window.frameGeometry().size() - window.size();
    return std::abs(offset.x()) <= margins.width() + 1 &&
           std::abs(offset.y()) <= margins.height() + 1;
}

}  // namespace

class TestForm2 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setUpTestApplication(); }

    void init() {
        contactWindow_ = std::make_unique<ContactWindowHolder>();
        form_ = new Form1(*contactWindow_);
        form_->setAttribute(Qt::WA_DeleteOnClose);
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_));
    }

    void cleanup() {
        delete form_;
        contactWindow_.reset();
    }

    void windowAndControls() {
        form_->Command2->click();
        Form2* window = contactWindow_->window();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QString::fromUtf8("扫一扫\u3000加微信"));
        QCOMPARE(window->size(), QSize(218, 191));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!window->isModal());
        QVERIFY(!window->parentWidget());

        QCOMPARE(window->Image1->geometry(), QRect(40, 16, 133, 133));
        QCOMPARE(window->Image1->focusPolicy(), Qt::NoFocus);
        QCOMPARE(window->Label1->text(), QStringLiteral("扫一扫，添加我为微信好友"));
        QCOMPARE(window->Label1->pos(), QPoint(24, 160));
        QCOMPARE(window->Label1->size(), window->Label1->sizeHint());
        QCOMPARE(window->Label1->font().family(), QStringLiteral("宋体"));
        QCOMPARE(window->Label1->font().pointSizeF(), 10.5);
    }

    void pictureIsDrawnIntoItsBox() {
        form_->Command2->click();
        QLabel* image = contactWindow_->window()->Image1;
        QCOMPARE(image->pixmap().size(), QSize(430, 430));
        QVERIFY(image->hasScaledContents());
        const PixelKinds kinds = pixelKinds(image->grab().toImage());
        const int area = 133 * 133;
        QVERIFY2(kinds.dark > area / 10, "no dark modules");
        QVERIFY2(kinds.light > area / 10, "no light modules");
        QVERIFY2(kinds.coloured > area / 50, "no coloured frame");
    }

    void embeddedPictureIsAColourJfifJpeg() {
        QFile file(kPicturePath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith(QByteArray("\xFF\xD8\xFF\xE0", 4)));
        QCOMPARE(bytes.mid(6, 5), QByteArray("JFIF\0", 5));
        QVERIFY2(bytes.size() > 25000 && bytes.size() < 36000, QByteArray::number(bytes.size()));
        const QImage picture = QImage::fromData(bytes, "JPEG");
        QCOMPARE(picture.size(), QSize(430, 430));
        QVERIFY(!picture.isGrayscale());
        QVERIFY(pixelKinds(picture).coloured > 430 * 430 / 50);
    }

    void embeddedPictureScansAsTheMakersContactCard() {
        const QString zbarimg = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
        if (zbarimg.isEmpty()) QSKIP("zbarimg (Debian package zbar-tools) is not installed");
        QTemporaryDir dir;
        QVERIFY(QFile::copy(kPicturePath, dir.filePath("picture.jpg")));

        QProcess scan;
        scan.start(zbarimg, {"--quiet", "--raw", dir.filePath("picture.jpg")});
        QVERIFY(scan.waitForFinished(20000));
        QCOMPARE(scan.exitCode(), 0);
        const QString card = QString::fromUtf8(scan.readAllStandardOutput()).trimmed();
        const QString expected =
            QStringLiteral("MECARD:N:%1;TEL:%2;;")
                .arg(QString::fromUtf8(kMakerName), QString::fromUtf8(kMakerPhone));
        QCOMPARE(card, expected);
        // The main window's credit line names the same maker and number.
        QVERIFY(form_->Label5->text().contains(QString::fromUtf8(kMakerName)));
        QVERIFY(form_->Label5->text().endsWith(QString::fromUtf8(kMakerPhone)));
    }

    void repeatedPressesShowOneWindow() {
        for (int press = 0; press < 3; ++press) form_->Command2->click();
        QCOMPARE(contactWindowCount(), 1);
        QVERIFY(contactWindow_->window()->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), contactWindow_->window());

        // A press while it is open brings the same window back to the front.
        form_->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), form_.data());
        form_->Command2->click();
        QTRY_COMPARE(QApplication::activeWindow(), contactWindow_->window());
        QCOMPARE(contactWindowCount(), 1);
    }

    void reopensCentredWhereverItWasMoved() {
        form_->Command2->click();
        Form2* window = contactWindow_->window();
        QVERIFY(isCentred(*window));

        window->move(5, 7);
        window->close();
        QVERIFY(!window->isVisible());
        form_->Command2->click();
        QCOMPARE(contactWindow_->window(), window);  // the same object, not a new one
        QVERIFY(window->isVisible());
        QVERIFY(isCentred(*window));
    }

    // Runs the real event loop: Qt reports the last window closed, and quits, only inside it.
    void outlivesTheMainWindowAndEndsTheProgramLast() {
        QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
        form_->Command2->click();
        Form2* window = contactWindow_->window();
        bool stayedAfterMainClosed = false;

        QTimer::singleShot(0, form_, [this] { form_->close(); });
        QTimer::singleShot(100, window, [&] {
            stayedAfterMainClosed =
                form_.isNull() && window->isVisible() && lastWindowClosed.isEmpty();
            window->close();
        });
        QTimer watchdog;  // never hang
        watchdog.callOnTimeout(qApp, [] { QCoreApplication::exit(1); });
        watchdog.start(10000);
        QCOMPARE(QApplication::exec(), 0);

        QVERIFY(stayedAfterMainClosed);
        QCOMPARE(lastWindowClosed.count(), 1);
        QCOMPARE(contactWindow_->window(), window);  // kept until the program ends
    }

    void mainWindowKeepsWorkingWhileItIsOpen() {
        form_->Command2->click();
        form_->activateWindow();
        form_->dk->setFocus();
        form_->dk->clear();
        QTest::keyClicks(form_->dk, "4a");
        QCOMPARE(form_->dk->text(), QStringLiteral("4"));
        form_->Command1->click();
        QCOMPARE(form_->hk->text(), QStringLiteral("每期还款：.20元"));
        form_->Command2->click();
        QCOMPARE(contactWindowCount(), 1);
    }

private:
    std::unique_ptr<ContactWindowHolder> contactWindow_;
    QPointer<Form1> form_;
};

QTEST_MAIN(TestForm2)
#include "form2_test.moc"
