#include "form2.h"

#include <QLabel>
#include <QPixmap>

#include "auto_size_label.h"
#include "fonts.h"
#include "twips.h"

namespace {
// A close button only: no minimize, no maximize.
constexpr Qt::WindowFlags kWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// The gap in the title is one ideographic space, U+3000.
const QString kTitle = QStringLiteral("扫一扫") + QChar(0x3000) + QStringLiteral("加微信");
}  // namespace

Form2::Form2(QWidget* parent) : QWidget(parent, kWindowFlags) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(kTitle);
    setFixedSize(twips(3270), twips(2865));
    setFont(songFont(9));

    // A label that scales its picture smoothly from the full 430-pixel original, so the code
    // stays sharp at any screen scale.
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(QStringLiteral(":/contact-picture.jpg")));
    Image1->setScaledContents(true);
    Image1->setGeometry(twipsRect(600, 240, 1995, 1995));
    Image1->setAccessibleName(QStringLiteral("微信二维码"));
    Image1->setAccessibleDescription(QStringLiteral("用手机扫描，添加作者为微信好友"));

    Label1 = new AutoSizeLabel(QStringLiteral("扫一扫，添加我为微信好友"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(songFont(10.5));
    Label1->move(twips(360), twips(2400));
}
