// Single-image parts of the interface: slider caps and tracks, handles,
// meters, displays, switches, keyboard keys and panel hardware.
//
// Functions with a `lit` flag draw the section-coloured form (template
// blue) when it is set and the neutral grey form otherwise, so the same
// part serves as a CS1-tagged image and as an untagged one.
#ifndef SKINBUILDER_SKINDATA_PARTS_H_
#define SKINBUILDER_SKINDATA_PARTS_H_

#include <string>

#include "skindata/canvas.h"
#include "skindata/icons.h"
#include "skindata/palette.h"

Canvas draw_slider_cap(int w, int h, bool lit);
// A bar filling along its longer side, brightest at the far end.
Canvas draw_bar(int w, int h, bool lit);
// A recessed groove.
Canvas draw_groove(int w, int h);
Canvas draw_handle_dot(int size, bool lit);
// A dark field with a coloured stripe at its left end.
Canvas draw_slot(int w, int h, bool lit);
// A segmented level meter along the longer side.
Canvas draw_meter(int w, int h, bool lit);
// An oscilloscope display: grid and a glowing trace.
Canvas draw_scope(int w, int h);
Canvas draw_check(int size, bool checked);
Canvas draw_radio(int size, bool selected);
Canvas draw_toggle(int w, int h, bool on);
Canvas draw_crosshair(int size, bool lit);
Canvas draw_grid(int w, int h, bool lit);
Canvas draw_dial_ring(int size);
Canvas draw_wheel(int w, int h);
Canvas draw_grip(int w, int h, bool lit);
// A rounded panel corner; which: 0 top left, 1 top right, 2 bottom left, 3
// bottom right.
Canvas draw_corner(int size, int which);
Canvas draw_divider(int w, int h);
Canvas draw_screw(int size);
Canvas draw_value_box(int w, int h);
Canvas draw_key(int w, int h, bool black, bool down);
Canvas draw_pictogram(int size, Icon icon, bool lit);
// Frames idle and pressed of a small arrow button.
Canvas draw_arrow_button(int size, Icon arrow);
// A single-colour swatch, exactly one colour in every pixel.
Canvas draw_swatch(int size, Rgb8 colour);
Canvas draw_glow_spot(int size);
Canvas draw_logo(int w, int h, bool lit);
// A fade to transparent, for the edges of panes.
Canvas draw_shade(int w, int h, bool vertical);
Canvas draw_tooltip(int w, int h);
Canvas draw_vignette(int w, int h);

#endif  // SKINBUILDER_SKINDATA_PARTS_H_
