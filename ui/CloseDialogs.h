#pragma once

class QWidget;

// Closes every dialog above the window from the innermost out: a titled page
// as by OK, so a name typed so far counts, any other dialog as by Cancel. The
// window itself stays open.
void CloseDialogsAbove(QWidget& window);
