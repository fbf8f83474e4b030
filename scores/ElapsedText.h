#pragma once

#include <QString>

// The one text form of a duration: "01h02m05s" from one hour up, else "02m05s",
// in the player's language.
QString FormatElapsed(int nSeconds);
