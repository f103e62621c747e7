#pragma once

#include <QApplication>
#include <QLocale>

#include "application_setup.h"

// Prepares the test's QApplication as the program prepares its own, with the regional settings
// of the users it is made for (CI runs under C.UTF-8).
inline void setUpTestApplication() {
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    setUpApplication(*qApp);
}
