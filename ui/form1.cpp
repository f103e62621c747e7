#include "form1.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QToolTip>
#include <string_view>

#include "amount_edit.h"
#include "auto_size_label.h"
#include "calc/calc.h"
#include "contact_window_holder.h"
#include "fonts.h"
#include "maker.h"
#include "twips.h"

namespace {

constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                                         Qt::WindowCloseButtonHint;

const QColor kOrange(255, 128, 0);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

AutoSizeLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top) {
    auto* label = named(new AutoSizeLabel(text, parent), name);
    label->move(twips(left), twips(top));
    return label;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, const QRect& place) {
    auto* button = named(new QPushButton(text, parent), name);
    button->setGeometry(place);
    // Space presses the focused button; Enter presses none.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

Form1::Form1(ContactWindowHolder& contactWindow, QWidget* parent)
    : QWidget(parent, kWindowFlags), contactWindow_(contactWindow) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("岚禾小额信用贷款计算器"));
    setFixedSize(twips(4830), twips(3600));
    setFont(songFont(9));

    // Created in tab order, so that Qt's focus chain follows it.
    Label1 = label(this, "Label1", QStringLiteral("注：贷款金额以审核结束的结果为准！ "), 120, 120);
    Label1->setFont(songFont(10.5));
    setTextColour(Label1, kOrange);
    Label2 = label(this, "Label2", QStringLiteral("贷款金额："), 480, 720);
    Label3 = label(this, "Label3", QStringLiteral("贷款期限：固定36期"), 480, 1200);

    Command1 =
        button(this, "Command1", QStringLiteral("立即计算"), twipsRect(3360, 600, 1215, 375));

    dk = named(new AmountEdit(this), "dk");
    dk->setGeometry(twipsRect(1440, 600, 855, 375));
    dk->setFont(songFont(10.5));
    dk->setMaxLength(calc::AMOUNT_MAX_LENGTH);
    dk->setText(fromUtf8(calc::DEFAULT_AMOUNT_TEXT));
    dk->setToolTip(QStringLiteral("请输入贷款金额"));
    dk->setAccessibleName(QStringLiteral("贷款金额（元）"));

    Label4 = label(this, "Label4", QStringLiteral("元"), 2520, 720);

    Frame1 = named(new QGroupBox(QStringLiteral("计算结果"), this), "Frame1");
    Frame1->setGeometry(twipsRect(120, 1680, 4455, 1455));
    // The caption is red; the labels inside keep the window's text colour unless they have
    // their own, so they are given it back explicitly.
    const QColor defaultText = palette().color(QPalette::WindowText);
    setTextColour(Frame1, kRed);
    bx = label(Frame1, "bx", QStringLiteral("每期本息：未计算"), 480, 360);
    setTextColour(bx, defaultText);
    bf = label(Frame1, "bf", QStringLiteral("每期保费：未计算"), 480, 720);
    setTextColour(bf, defaultText);
    hk = label(Frame1, "hk", QStringLiteral("每期还款：未计算"), 2160, 1080);
    setTextColour(hk, kBlue);

    Label5 = label(this, "Label5",
                   QStringLiteral("软件制作：%1 联系方式：%2")
                       .arg(QString::fromUtf8(kMakerName), QString::fromUtf8(kMakerPhone)),
                   1200, 3240);
    setTextColour(Label5, kOrange);

    Command2 =
        button(this, "Command2", QStringLiteral("申请贷款"), twipsRect(3360, 1080, 1215, 375));

    setTabOrder(Command1, dk);
    setTabOrder(dk, Command2);
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
}

void Form1::Command1_Click() {
    const QByteArray text = dk->text().toUtf8();
    const auto amount = calc::ReadAmount(std::string_view(text.constData(), text.size()));
    if (!amount) {
        askForAmount();
        return;
    }
    const QByteArray separator = locale().decimalPoint().toUtf8();
    const auto texts = calc::ResultTexts(calc::ComputeFigures(*amount),
                                         std::string_view(separator.constData(), separator.size()));
    bx->setText(QString::fromStdString(texts[0]));
    bf->setText(QString::fromStdString(texts[1]));
    hk->setText(QString::fromStdString(texts[2]));
}

// The field is empty or holds pasted text that is no amount: keep the results and the text,
// and point the user at the field with its own hint.
void Form1::askForAmount() {
    dk->setFocus(Qt::OtherFocusReason);
    dk->selectAll();
    QToolTip::showText(dk->mapToGlobal(QPoint(0, dk->height())), dk->toolTip(), dk);
}

void Form1::Command2_Click() { contactWindow_.open(); }
