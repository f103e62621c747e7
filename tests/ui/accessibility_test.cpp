// What a screen reader hears: every control that carries information has a name to speak.

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "amount_edit.h"
#include "auto_size_label.h"
#include "contact_window_holder.h"
#include "form1.h"
#include "form2.h"
#include "ui_test_support.h"

namespace {

QString spokenName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

QAccessible::Role role(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->role() : QAccessible::NoRole;
}

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        setUpTestApplication();
        contactWindow_ = std::make_unique<ContactWindowHolder>();
        form_ = std::make_unique<Form1>(*contactWindow_);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }

    void cleanupTestCase() {
        form_.reset();
        contactWindow_.reset();
    }

    void mainWindowControlsHaveNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("spoken");
        QTest::addColumn<int>("role");
        QTest::newRow("amount field") << "dk"
                                      << "贷款金额（元）" << int(QAccessible::EditableText);
        QTest::newRow("calculate") << "Command1"
                                   << "立即计算" << int(QAccessible::Button);
        QTest::newRow("apply") << "Command2"
                               << "申请贷款" << int(QAccessible::Button);
        QTest::newRow("term") << "Label3"
                              << "贷款期限：固定36期" << int(QAccessible::StaticText);
        QTest::newRow("note") << "Label1"
                              << "注：贷款金额以审核结束的结果为准！ "
                              << int(QAccessible::StaticText);
    }

    void mainWindowControlsHaveNames() {
        QFETCH(QString, name);
        QFETCH(QString, spoken);
        QFETCH(int, role);
        auto* widget = form_->findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(spokenName(widget), spoken);
        QCOMPARE(int(::role(widget)), role);
    }

    void resultLabelsSpeakTheirCurrentText() {
        QCOMPARE(spokenName(form_->hk), QStringLiteral("每期还款：未计算"));
        form_->Command1->click();
        QCOMPARE(spokenName(form_->bx), QStringLiteral("每期本息：3161.85元"));
        QCOMPARE(spokenName(form_->bf), QStringLiteral("每期保费：1900.00元"));
        QCOMPARE(spokenName(form_->hk), QStringLiteral("每期还款：5061.85元"));
    }

    void contactWindowPictureAndInvitation() {
        form_->Command2->click();
        Form2* window = contactWindow_->window();
        QCOMPARE(spokenName(window->Image1), QStringLiteral("微信二维码"));
        QCOMPARE(role(window->Image1), QAccessible::Graphic);
        QCOMPARE(spokenName(window->Label1), QStringLiteral("扫一扫，添加我为微信好友"));
    }

private:
    std::unique_ptr<ContactWindowHolder> contactWindow_;
    std::unique_ptr<Form1> form_;
};

QTEST_MAIN(TestAccessibility)
#include "accessibility_test.moc"
