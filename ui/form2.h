#pragma once

#include <QWidget>

class AutoSizeLabel;
class QLabel;

// The contact window: a code to scan with a phone, which adds the maker as a WeChat contact,
// and a line that invites the user to do so.
class Form2 : public QWidget {
    Q_OBJECT

public:
    explicit Form2(QWidget* parent = nullptr);

    QLabel* Image1;         // the contact code, stretched to its box
    AutoSizeLabel* Label1;  // the invitation to scan it
};
