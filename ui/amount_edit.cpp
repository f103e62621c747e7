#include "amount_edit.h"

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <cstdint>
#include <optional>

#include "calc/amount_entry.h"

namespace {

bool admitted(QChar character) {
    // The 16-bit code unit read as signed, as the amount rules compare it.
    return calc::AcceptAmountKey(static_cast<std::int16_t>(character.unicode()));
}

QString admittedPart(const QString& text) {
    QString kept;
    for (const QChar character : text) {
        if (admitted(character)) kept += character;
    }
    return kept;
}

// The character a key press types, as the field's rule sees it, or nothing for keys that move
// or edit without typing.
std::optional<QString> typedText(const QKeyEvent& event) {
    const int key = event.key();
    // Ctrl+letter types a control character: X11 delivers Ctrl+V as "\x16", other platforms as
    // "v" with the Control modifier. Both are the code of the letter less 64.
    const bool control = event.modifiers().testFlag(Qt::ControlModifier);
    if (control && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return QString(QChar(static_cast<char16_t>(key - Qt::Key_A + 1)));
    }
    switch (key) {
        case Qt::Key_Backspace:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_unknown:
            break;  // these carry a character (or, unknown, whatever text they bring)
        default:
            // Special keys (Delete, arrows, function keys...) are not characters, even where the
            // platform attaches a code such as DEL to them.
            if (key >= Qt::Key_Escape) return std::nullopt;
    }
    if (event.text().isEmpty()) return std::nullopt;
    return event.text();
}

}  // namespace

AmountEdit::AmountEdit(QWidget* parent) : QLineEdit(parent) {}

void AmountEdit::keyPressEvent(QKeyEvent* event) {
    const std::optional<QString> text = typedText(*event);
    if (!text || admittedPart(*text) == *text) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Discarded: the field never sees the keystroke, and it goes no further (Enter presses no
    // button, Escape closes nothing).
    event->accept();
}

void AmountEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    const QString kept = admittedPart(commit);
    if (kept == commit) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // Keep the composition on show, and commit only the admitted characters.
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(kept);
    QLineEdit::inputMethodEvent(&filtered);
    event->accept();
}

QMenu* AmountEdit::createContextMenu() {
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        const QString text = action->text();
        action->setText(text.left(text.indexOf(QLatin1Char('\t'))));
    }
    return menu;
}

void AmountEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
