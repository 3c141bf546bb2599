// Labels on buttons, tabs and titles, in a small stroke font of our own.
//
// Letters are drawn as round-ended strokes on a grid 4 units wide and 6
// high, so they scale to any size and stay anti-aliased; lower case is
// drawn as upper case. No font files are read, so the images do not depend
// on what fonts a machine has.
#ifndef SKINBUILDER_SKINDATA_GLYPHS_H_
#define SKINBUILDER_SKINDATA_GLYPHS_H_

#include <string>

#include "skindata/canvas.h"
#include "skindata/drawing.h"

// Width in pixels of text drawn with letters `height` pixels tall.
float text_width(const std::string& text, float height);
// Draws text centred on `centre`; the stroke is `weight` times the height.
void draw_text(Canvas& canvas, const std::string& text, Vec centre, float height,
               const Paint& paint, float weight = 0.13f);

#endif  // SKINBUILDER_SKINDATA_GLYPHS_H_
