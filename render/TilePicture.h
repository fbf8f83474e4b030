#pragma once

#include <QImage>

// The built-in letter sheet of the grid size, for a 240-pixel board, in the
// display's pixel format so that painting only copies.
QImage LetterTiles(int nGridSize);
