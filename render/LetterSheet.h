#pragma once

#include "render/IndexedCanvas.h"

class QImage;

// The built-in tile pictures: blue hand-drawn capitals on white, one a cell,
// each cell in a black outline. Drawn from code alone, without system fonts,
// so every machine draws the same pixels at every size.
namespace LetterSheet {

// An nSheet x nSheet sheet of nGrid x nGrid cells, nCell pixels square with
// outlines nLine pixels wide; cell (r, c) shows letter r x nGrid + c.
SCanvas Draw(int nGrid, int nCell, int nLine, int nSheet);

// Letter nLetter (0 is A) in the nBox x nBox square at (x0, y0), dHeight
// pixels tall, drawn with a pen dPen wide; bFringe adds the few fuchsia and
// aqua pixels of the sheets.
void PaintLetter(SCanvas& canvas, int x0, int y0, int nBox, int nLetter, double dHeight, double dPen,
                 bool bFringe);

// The canvas as an indexed image with the 16-colour palette.
QImage ToImage(const SCanvas& canvas);

} // namespace LetterSheet
