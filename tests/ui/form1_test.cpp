// The main window as a user meets it: its start state, typing into the amount field, pasting,
// calculating and what is drawn on screen.

#include <QClipboard>
#include <QFontInfo>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QMenu>
#include <QPushButton>
#include <QToolTip>
#include <QtTest>
#include <memory>

#include "amount_edit.h"
#include "auto_size_label.h"
#include "calc/calc.h"
#include "contact_window_holder.h"
#include "form1.h"
#include "maker.h"
#include "ui_test_support.h"

namespace {

// One key press as the platform delivers it: the key, the text it carries and its modifiers.
struct KeyStroke {
    Qt::Key key;
    QString text;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};
using KeyStrokes = QList<KeyStroke>;

// Key presses that type `text`, one character each.
KeyStrokes keysTyping(const QString& text) {
    KeyStrokes strokes;
    for (const QChar c : text) {
        const char16_t code = c.toUpper().unicode();
        const auto key = code < 0x80 ? static_cast<Qt::Key>(code) : Qt::Key_unknown;
        strokes.append({key, QString(c)});
    }
    return strokes;
}

KeyStroke special(Qt::Key key, const QString& text = {}, Qt::KeyboardModifiers modifiers = {}) {
    return {key, text, modifiers};
}

const QString kNotCalculated[3] = {QStringLiteral("每期本息：未计算"),
                                   QStringLiteral("每期保费：未计算"),
                                   QStringLiteral("每期还款：未计算")};

QStringList resultTextsFor(double amount) {
    QStringList texts;
    for (const auto& text : calc::ResultTexts(calc::ComputeFigures(amount))) {
        texts << QString::fromStdString(text);
    }
    return texts;
}

// True if some pixel inside `area` of `image` has exactly `colour`.
bool containsColour(const QImage& image, const QRect& area, const QColor& colour) {
    const QRect box = area.intersected(image.rect());
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (image.pixelColor(x, y).rgb() == colour.rgb()) return true;
        }
    }
    return false;
}

}  // namespace

Q_DECLARE_METATYPE(KeyStroke)

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setUpTestApplication(); }

    void init() {
        contactWindow_ = std::make_unique<ContactWindowHolder>();
        form_ = std::make_unique<Form1>(*contactWindow_);
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        QApplication::clipboard()->clear();
    }

    void cleanup() {
        QToolTip::hideText();
        form_.reset();
        contactWindow_.reset();
    }

    void controlsAtStart_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("place");  // left and top in pixels at 96 dpi

        const QString credit =
            QStringLiteral("软件制作：%1 联系方式：%2")
                .arg(QString::fromUtf8(kMakerName), QString::fromUtf8(kMakerPhone));
        QTest::newRow("Label1") << "Label1" << QStringLiteral("注：贷款金额以审核结束的结果为准！ ")
                                << QPoint(8, 8);
        QTest::newRow("Label2") << "Label2" << QStringLiteral("贷款金额：") << QPoint(32, 48);
        QTest::newRow("Label3") << "Label3" << QStringLiteral("贷款期限：固定36期")
                                << QPoint(32, 80);
        QTest::newRow("Command1") << "Command1" << QStringLiteral("立即计算") << QPoint(224, 40);
        QTest::newRow("dk") << "dk" << QStringLiteral("100000") << QPoint(96, 40);
        QTest::newRow("Label4") << "Label4" << QStringLiteral("元") << QPoint(168, 48);
        QTest::newRow("Frame1") << "Frame1" << QStringLiteral("计算结果") << QPoint(8, 112);
        QTest::newRow("bx") << "bx" << kNotCalculated[0] << QPoint(32, 24);
        QTest::newRow("bf") << "bf" << kNotCalculated[1] << QPoint(32, 48);
        QTest::newRow("hk") << "hk" << kNotCalculated[2] << QPoint(144, 72);
        QTest::newRow("Label5") << "Label5" << credit << QPoint(80, 216);
        QTest::newRow("Command2") << "Command2" << QStringLiteral("申请贷款") << QPoint(224, 72);
    }

    void controlsAtStart() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QPoint, place);

        auto* control = form_->findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->pos(), place);
        if (auto* label = qobject_cast<QLabel*>(control)) {
            QCOMPARE(label->text(), text);
            QCOMPARE(label->size(), label->sizeHint());  // sized to its text on one line
            QVERIFY(!label->wordWrap());
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            QCOMPARE(button->text(), text);
            QCOMPARE(button->size(), QSize(81, 25));
            QVERIFY(!button->isDefault() && !button->autoDefault());
        } else if (auto* field = qobject_cast<QLineEdit*>(control)) {
            QCOMPARE(field->text(), text);
            QCOMPARE(field->size(), QSize(57, 25));
        } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            QCOMPARE(frame->title(), text);
            QCOMPARE(frame->size(), QSize(297, 97));
            QCOMPARE(frame->focusPolicy(), Qt::NoFocus);
        } else {
            QFAIL("unexpected kind of control");
        }
    }

    void windowAtStart() {
        QCOMPARE(form_->windowTitle(), QStringLiteral("岚禾小额信用贷款计算器"));
        QCOMPARE(form_->size(), QSize(322, 240));
        QCOMPARE(form_->minimumSize(), form_->maximumSize());
        const Qt::WindowFlags flags = form_->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(QApplication::focusWidget(), form_->Command1);
        QCOMPARE(form_->dk->maxLength(), 6);
        QCOMPARE(form_->dk->toolTip(), QStringLiteral("请输入贷款金额"));
    }

    void fonts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qreal>("points");
        QTest::newRow("window") << "Form1" << 9.0;
        QTest::newRow("Label1") << "Label1" << 10.5;
        QTest::newRow("dk") << "dk" << 10.5;
        QTest::newRow("Label2") << "Label2" << 9.0;
        QTest::newRow("bx") << "bx" << 9.0;
        QTest::newRow("Command1") << "Command1" << 9.0;
    }

    void fonts() {
        QFETCH(QString, name);
        QFETCH(qreal, points);
        QWidget* widget = name == "Form1" ? form_.get() : form_->findChild<QWidget*>(name);
        QVERIFY(widget);
        const QFont font = widget->font();
        QCOMPARE(font.family(), QStringLiteral("宋体"));
        QCOMPARE(font.pointSizeF(), points);
        QCOMPARE(font.weight(), QFont::Normal);
        // The family resolves to an installed face that has the Chinese glyphs.
        QVERIFY2(QFontMetrics(font).inFont(QChar(u'贷')), qPrintable(QFontInfo(font).family()));
    }

    void colours_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("colour");
        const QColor text = QApplication::palette().color(QPalette::WindowText);
        QTest::newRow("Label1") << "Label1" << QColor(255, 128, 0);
        QTest::newRow("Label5") << "Label5" << QColor(255, 128, 0);
        QTest::newRow("Frame1") << "Frame1" << QColor(255, 0, 0);
        QTest::newRow("bx") << "bx" << text;
        QTest::newRow("bf") << "bf" << text;
        QTest::newRow("hk") << "hk" << QColor(0, 0, 255);
        QTest::newRow("Label2") << "Label2" << text;
    }

    void colours() {
        QFETCH(QString, name);
        QFETCH(QColor, colour);
        auto* widget = form_->findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->palette().color(QPalette::WindowText), colour);
    }

    void coloursAsDrawn() {
        const QImage image = form_->grab().toImage();
        const auto inWindow = [this](QWidget* w) {
            return QRect(w->mapTo(form_.get(), QPoint()), w->size());
        };
        QVERIFY(containsColour(image, inWindow(form_->Label1), QColor(255, 128, 0)));
        QVERIFY(containsColour(image, inWindow(form_->Label5), QColor(255, 128, 0)));
        QVERIFY(containsColour(image, inWindow(form_->hk), QColor(0, 0, 255)));
        const QRect caption(form_->Frame1->pos(), QSize(form_->Frame1->width(), form_->bx->y()));
        QVERIFY(containsColour(image, caption, QColor(255, 0, 0)));
        QVERIFY(!containsColour(image, inWindow(form_->bx), QColor(255, 0, 0)));
        QVERIFY(containsColour(image, inWindow(form_->bx),
                               QApplication::palette().color(QPalette::WindowText)));
    }

    void typingIntoTheField_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<KeyStrokes>("keys");
        QTest::addColumn<QString>("after");

        const KeyStroke backspace = special(Qt::Key_Backspace, "\b");
        QTest::newRow("digits") << "" << keysTyping("123") << "123";
        QTest::newRow("letters") << "12" << keysTyping("abcXYZ") << "12";
        QTest::newRow("minus, point, comma, space") << "12" << keysTyping("-., ") << "12";
        QTest::newRow("Enter and Escape")
            << "12" << KeyStrokes{special(Qt::Key_Return, "\r"), special(Qt::Key_Escape, "\x1b")}
            << "12";
        QTest::newRow("Ctrl+V as X11 sends it")
            << "12" << KeyStrokes{special(Qt::Key_V, "\x16", Qt::ControlModifier)} << "12";
        QTest::newRow("Ctrl+V as a letter")
            << "12" << KeyStrokes{special(Qt::Key_V, "v", Qt::ControlModifier)} << "12";
        QTest::newRow("full-width digits") << "12" << keysTyping("１２") << "12";
        QTest::newRow("Chinese") << "12" << keysTyping("五百") << "12";
        QTest::newRow("seventh digit") << "123456" << keysTyping("7") << "123456";
        QTest::newRow("Backspace") << "123" << KeyStrokes{backspace} << "12";
        QTest::newRow("Backspace empties") << "1" << KeyStrokes{backspace, backspace} << "";
        QTest::newRow("Delete after Home")
            << "123" << KeyStrokes{special(Qt::Key_Home), special(Qt::Key_Delete, "\x7f")} << "23";
        QTest::newRow("arrows") << "123"
                                << (KeyStrokes{special(Qt::Key_Left), special(Qt::Key_Left)} +
                                    keysTyping("9"))
                                << "1923";
        QTest::newRow("keypad digit")
            << "1" << KeyStrokes{special(Qt::Key_5, "5", Qt::KeypadModifier)} << "15";
    }

    void typingIntoTheField() {
        QFETCH(QString, before);
        QFETCH(KeyStrokes, keys);
        QFETCH(QString, after);

        QApplication::clipboard()->setText(QStringLiteral("345"));
        form_->dk->setText(before);
        form_->dk->setFocus();
        for (const KeyStroke& stroke : keys) {
            QTest::sendKeyEvent(QTest::Click, form_->dk, stroke.key, stroke.text, stroke.modifiers);
        }
        QCOMPARE(form_->dk->text(), after);
    }

    void inputMethodCommits_data() {
        QTest::addColumn<QString>("commit");
        QTest::addColumn<QString>("after");
        QTest::newRow("ASCII digits") << "34"
                                      << "1234";
        QTest::newRow("full-width digits") << "３４"
                                           << "12";
        QTest::newRow("Chinese") << "五百"
                                 << "12";
        QTest::newRow("mixed keeps the digits") << "3五4"
                                                << "1234";
    }

    void inputMethodCommits() {
        QFETCH(QString, commit);
        QFETCH(QString, after);
        form_->dk->setText(QStringLiteral("12"));
        form_->dk->setFocus();
        QInputMethodEvent event;
        event.setCommitString(commit);
        QApplication::sendEvent(form_->dk, &event);
        QCOMPARE(form_->dk->text(), after);
    }

    void clipboardShortcutsDoNothing() {
        QApplication::clipboard()->setText(QStringLiteral("keep"));
        form_->dk->setFocus();
        form_->dk->selectAll();
        for (const KeyStroke& stroke : {special(Qt::Key_X, "\x18", Qt::ControlModifier),
                                        special(Qt::Key_X, "x", Qt::ControlModifier),
                                        special(Qt::Key_C, "\x03", Qt::ControlModifier),
                                        special(Qt::Key_C, "c", Qt::ControlModifier)}) {
            QTest::sendKeyEvent(QTest::Click, form_->dk, stroke.key, stroke.text, stroke.modifiers);
        }
        QCOMPARE(form_->dk->text(), QStringLiteral("100000"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("keep"));
    }

    void tabMovesFocusThroughTheButtonsAndField() {
        QCOMPARE(QApplication::focusWidget(), form_->Command1);
        const QList<QWidget*> forward = {form_->dk, form_->Command2, form_->Command1};
        for (QWidget* next : forward) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        form_->dk->setFocus();
        QTest::keyClick(form_->dk, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), form_->Command1);
        QTest::keyClick(form_->Command1, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), form_->Command2);
    }

    void enterInTheFieldPressesNoButton() {
        form_->dk->setFocus();
        QTest::sendKeyEvent(QTest::Click, form_->dk, Qt::Key_Return, "\r", Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Click, form_->dk, Qt::Key_Enter, "\r", Qt::KeypadModifier);
        QCOMPARE(form_->bx->text(), kNotCalculated[0]);
        QVERIFY(!contactWindow_->window());
    }

    void pasteFromTheContextMenu_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("isAmount");
        QTest::addColumn<double>("amount");
        QTest::newRow("too long is cut to six") << "1234567890"
                                                << "123456" << true << 123456.0;
        QTest::newRow("fraction is rounded down") << "12.7"
                                                  << "12.7" << true << 12.0;
        QTest::newRow("spaces around") << " 500 "
                                       << " 500 " << true << 500.0;
        QTest::newRow("letters") << "abc"
                                 << "abc" << false << 0.0;
        QTest::newRow("negative") << "-500"
                                  << "-500" << false << 0.0;
        QTest::newRow("full-width") << "１２３"
                                    << "１２３" << false << 0.0;
    }

    void pasteFromTheContextMenu() {
        QFETCH(QString, clipboard);
        QFETCH(QString, field);
        QFETCH(bool, isAmount);
        QFETCH(double, amount);

        QApplication::clipboard()->setText(clipboard);
        form_->dk->clear();
        std::unique_ptr<QMenu> menu(form_->dk->createContextMenu());
        QStringList entries;
        QAction* paste = nullptr;
        for (QAction* action : menu->actions()) {
            entries << action->text();
            if (action->text() == QStringLiteral("粘贴(&P)")) paste = action;
        }
        // Qt's own texts in Chinese, without the shortcuts that the field refuses.
        QVERIFY2(paste, qPrintable(entries.join(' ')));
        QVERIFY(!entries.join(' ').contains(QStringLiteral("Ctrl")));
        paste->trigger();
        QCOMPARE(form_->dk->text(), field);

        form_->Command1->click();
        const QStringList expected =
            isAmount ? resultTextsFor(amount)
                     : QStringList{kNotCalculated[0], kNotCalculated[1], kNotCalculated[2]};
        QCOMPARE(shownResults(*form_), expected);
    }

    void calculate_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QStringList>("results");
        QTest::newRow("default") << "100000"
                                 << QStringList{"每期本息：3161.85元", "每期保费：1900.00元",
                                                "每期还款：5061.85元"};
        QTest::newRow("4") << "4"
                           << QStringList{"每期本息：.13元", "每期保费：.08元", "每期还款：.20元"};
        QTest::newRow("999999") << "999999"
                                << QStringList{"每期本息：31618.47元", "每期保费：18999.98元",
                                               "每期还款：50618.45元"};
    }

    void calculate() {
        QFETCH(QString, amount);
        QFETCH(QStringList, results);
        form_->dk->setText(amount);
        for (int press = 0; press < 2; ++press) {  // a second press shows the same
            form_->Command1->click();
            QCOMPARE(shownResults(*form_), results);
        }
    }

    void spaceAtStartCalculatesTheDefault() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(form_->hk->text(), QStringLiteral("每期还款：5061.85元"));
    }

    void resultsStayUntilTheNextPress() {
        form_->Command1->click();
        form_->dk->setText(QStringLiteral("4"));
        QCOMPARE(form_->bx->text(), QStringLiteral("每期本息：3161.85元"));
        form_->Command1->click();
        QCOMPARE(form_->bx->text(), QStringLiteral("每期本息：.13元"));
    }

    void labelsWidenAndKeepTheirPlace() {
        QList<QRect> before;
        for (AutoSizeLabel* label : {form_->bx, form_->bf, form_->hk}) before << label->geometry();
        form_->Command1->click();
        int i = 0;
        for (AutoSizeLabel* label : {form_->bx, form_->bf, form_->hk}) {
            const QRect& old = before[i++];
            QCOMPARE(label->pos(), old.topLeft());
            QVERIFY2(label->width() > old.width(), qPrintable(label->objectName()));
            QCOMPARE(label->size(), label->sizeHint());
        }
    }

    void noAmountKeepsResultsAndPointsAtTheField_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("not a number") << "1,000";
    }

    void noAmountKeepsResultsAndPointsAtTheField() {
        QFETCH(QString, text);
        form_->Command1->click();
        const QStringList shown = {form_->bx->text(), form_->bf->text(), form_->hk->text()};
        form_->dk->setText(text);
        form_->Command1->setFocus();
        form_->Command1->click();

        QCOMPARE(shownResults(*form_), shown);
        QCOMPARE(form_->dk->text(), text);
        QCOMPARE(QApplication::focusWidget(), form_->dk);
        QCOMPARE(form_->dk->selectedText(), text);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("请输入贷款金额"));
    }

private:
    std::unique_ptr<ContactWindowHolder> contactWindow_;
    std::unique_ptr<Form1> form_;
};

QTEST_MAIN(TestForm1)
#include "form1_test.moc"
