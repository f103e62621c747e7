#pragma once

class QWidget;

// Places a top-level window in the middle of the available area of its screen.
void centreOnScreen(QWidget& window);
