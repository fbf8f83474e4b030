#pragma once

#include <string>

// The one text form of a duration: "01h02m05s" from one hour up, else "02m05s".
std::string FormatElapsed(int nSeconds);
