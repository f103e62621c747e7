#include "contact_window_holder.h"

#include "form2.h"
#include "window_placement.h"

ContactWindowHolder::ContactWindowHolder() = default;
ContactWindowHolder::~ContactWindowHolder() = default;

void ContactWindowHolder::open() {
    if (!window_) window_ = std::make_unique<Form2>();
    Form2& window = *window_;
    if (!window.isVisible()) {
        centreOnScreen(window);
        window.show();
    }
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.raise();
    window.activateWindow();
}
