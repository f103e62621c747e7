#pragma once

#include <QApplication>
#include <QLocale>
#include <QStringList>

#include "application_setup.h"
#include "auto_size_label.h"
#include "form1.h"
#include "form2.h"

// Prepares the test's QApplication as the program prepares its own, with the regional settings
// of the users it is made for (CI runs under C.UTF-8).
inline void setUpTestApplication() {
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    setUpApplication(*qApp);
}

// The three result texts on show, in the order principal and interest, premium, repayment.
inline QStringList shownResults(const Form1& form) {
    return {form.bx->text(), form.bf->text(), form.hk->text()};
}

// How many contact windows exist among the application's top-level widgets.
inline int contactWindowCount() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += qobject_cast<Form2*>(widget) ? 1 : 0;
    return count;
}
