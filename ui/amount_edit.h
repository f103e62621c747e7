#pragma once

#include <QLineEdit>

class QMenu;

// The loan amount field. Every character that reaches it as typed text - a key press that
// carries text, a control character, a Ctrl shortcut that stands for one, or text committed by
// an input method - must pass calc::AcceptAmountKey. Keys that carry no character (arrows,
// Home, End, Delete, Tab) act as usual, and pasting is limited by the maximum length alone.
class AmountEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit AmountEdit(QWidget* parent = nullptr);

    // Qt's standard edit menu for the field, without the keyboard shortcuts it lists: in this
    // field Ctrl+C, Ctrl+V and the like type refused characters and do nothing.
    QMenu* createContextMenu();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};
