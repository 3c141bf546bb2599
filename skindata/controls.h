// The template's controls other than knobs: buttons with off and on
// states, tab rows, lights, selectors and step buttons.
//
// Lit and selected states are drawn in shades of the template blue, idle
// states in neutral grey with bevels and shadows, so that recolouring turns
// exactly the lit parts into the section's colour. Each function draws one
// frame; animation strips are these frames stacked (canvas.h).
#ifndef SKINBUILDER_SKINDATA_CONTROLS_H_
#define SKINBUILDER_SKINDATA_CONTROLS_H_

#include <string>
#include <vector>

#include "skindata/canvas.h"
#include "skindata/symbols.h"

Canvas draw_button(int w, int h, const std::string& label, bool on);
// Frame 0 off, frame 1 on.
Canvas button_strip(int w, int h, const std::string& label);
// A round power button; on a middle grey plate when `plate` is set.
Canvas draw_power_button(int size, bool on, bool plate);
// A row of tabs of equal width with tab `selected` lit; `dim` draws the
// unselected tabs darker, for rows that sit on dark panes.
Canvas draw_tab_row(int w, int h, const std::vector<std::string>& labels, int selected, bool dim);
// One frame per tab, `frames` of them, frame i selecting tab i.
Canvas tab_strip(int w, int h, const std::vector<std::string>& labels, int frames, bool dim);
// A round light at brightness level 0 to 1.
Canvas draw_light(int size, float level);
// A dark display box showing a symbol, lit blue or idle grey.
Canvas draw_selector(int w, int h, Symbol symbol, bool lit);
// The same with a short text instead of a symbol.
Canvas draw_text_selector(int w, int h, const std::string& text, bool lit);
// A sequencer step: 0 off, 1 on, 2 accent, 3 tied on.
Canvas draw_step(int w, int h, int state);
// A round close button with a cross; blue when hovered.
Canvas draw_close_button(int size, bool hover);

#endif  // SKINBUILDER_SKINDATA_CONTROLS_H_
