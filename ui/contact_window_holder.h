#pragma once

#include <memory>

class Form2;

// Owns the program's one contact window. It is made on the first request and kept until the
// holder goes, which is when the program ends, so it outlives the main window that asked for it.
class ContactWindowHolder {
public:
    ContactWindowHolder();
    ~ContactWindowHolder();
    ContactWindowHolder(const ContactWindowHolder&) = delete;
    ContactWindowHolder& operator=(const ContactWindowHolder&) = delete;

    // Shows the contact window, not modal and without an owner: a closed window opens centred
    // on its screen again, an open one is raised and activated.
    void open();

    // The window, or null before the first open().
    Form2* window() const { return window_.get(); }

private:
    std::unique_ptr<Form2> window_;
};
