#pragma once

#include <QWidget>

class AmountEdit;
class AutoSizeLabel;
class ContactWindowHolder;
class QGroupBox;
class QPushButton;

// The main window: the loan amount field, the calculate and apply buttons, the three result
// labels and the fixed notes. Controls keep their design names; those that carry data are the
// pinyin initials of what they hold.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(ContactWindowHolder& contactWindow, QWidget* parent = nullptr);

    // Controls in tab order. Owned by the window through Qt's parent-child tree.
    AutoSizeLabel* Label1;  // note on the approved amount
    AutoSizeLabel* Label2;  // "贷款金额："
    AutoSizeLabel* Label3;  // the fixed term
    QPushButton* Command1;  // calculate
    AmountEdit* dk;         // loan amount (贷款)
    AutoSizeLabel* Label4;  // unit of the amount
    QGroupBox* Frame1;      // results
    AutoSizeLabel* bx;      // principal and interest per period (本息)
    AutoSizeLabel* bf;      // premium per period (保费)
    AutoSizeLabel* hk;      // repayment per period (还款)
    AutoSizeLabel* Label5;  // credit line
    QPushButton* Command2;  // apply

private:
    void Command1_Click();
    void Command2_Click();
    void askForAmount();

    ContactWindowHolder& contactWindow_;
};
