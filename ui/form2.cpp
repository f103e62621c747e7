#include "form2.h"

#include <QImage>

#include "auto_size_label.h"
#include "fonts.h"
#include "picture_box.h"
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

    Image1 = new PictureBox(QImage(QStringLiteral(":/contact-picture.jpg")), this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twipsRect(600, 240, 1995, 1995));

    Label1 = new AutoSizeLabel(QStringLiteral("扫一扫，添加我为微信好友"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(songFont(10.5));
    Label1->move(twips(360), twips(2400));
}
