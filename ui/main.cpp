#include <QApplication>
#include <QPointer>

#include "application_setup.h"
#include "contact_window_holder.h"
#include "form1.h"
#include "window_placement.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpApplication(app);

    // Declared before the main window so that it outlives it: the contact window stays open
    // when the main window is closed, and the program ends with its last window.
    ContactWindowHolder contactWindow;

    QPointer<Form1> mainWindow = new Form1(contactWindow);
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    centreOnScreen(*mainWindow);
    mainWindow->show();

    const int status = QApplication::exec();
    delete mainWindow;  // still there if the loop ended some other way than closing it
    return status;
}
