#pragma once

class QWidget;

// The size of the last run, no larger than the screen, and maximized if it was.
void RestoreWindowSize(QWidget& window);
// Keeps the window's size, its normal size when maximized, for the next run.
void KeepWindowSize(const QWidget& window);
