#pragma once

class QApplication;

// Everything the program sets up before its first window: its identity, the "宋体" font
// mapping and Qt's own texts in Simplified Chinese, all built into the program.
void setUpApplication(QApplication& app);
