#include "application_setup.h"

#include <QApplication>
#include <QTranslator>

#include "fonts.h"
#include "maker.h"

void setUpApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("岚禾信贷计算器"));
    // No application display name: on X11 Qt appends it to every window title, and the contact
    // window's title must read exactly "扫一扫　加微信". The main window's title already is the
    // product name, and the desktop entry gives it to the desktop.
    QApplication::setApplicationVersion(QStringLiteral(LANHE_VERSION));
    QApplication::setOrganizationName(QString::fromUtf8(kMakerName));
    QGuiApplication::setDesktopFileName(QStringLiteral(LANHE_APP_ID));

    installSongSubstitutes();

    // Qt's own texts (the field's context menu among them), compiled in as a resource.
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral(":/i18n/qtbase_zh_CN.qm"))) {
        QApplication::installTranslator(translator);
    }
}
