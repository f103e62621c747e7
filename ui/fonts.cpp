#include "fonts.h"

#include <QStringList>

namespace {
const QString kSongFamily = QStringLiteral("宋体");
}

QFont songFont(qreal pointSize) {
    QFont font(kSongFamily);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::Serif);
    return font;
}

void installSongSubstitutes() {
    // Nearest first: the Noto and AR PL faces are Song style, the last ones are any CJK face.
    QFont::insertSubstitutions(
        kSongFamily, {QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("WenQuanYi Zen Hei")});
}
