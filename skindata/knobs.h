// Knob strips: one frame per indicator position, top to bottom.
//
// A knob is drawn from a style (its body, the track around it and the
// pointer); the template has a style of its own and each of the sixteen
// knob overlays another, so copying an overlay over the skin visibly
// changes every knob. The value shows in the template blue (arc, ticks or a
// coloured body), on neutral grey parts. The pointer turns from -135 to
// +135 degrees; a bipolar knob lights its arc from the top, a unipolar one
// from the left end.
#ifndef SKINBUILDER_SKINDATA_KNOBS_H_
#define SKINBUILDER_SKINDATA_KNOBS_H_

#include "skindata/canvas.h"

enum class KnobBody { kNone, kShaded, kFlat, kMetal, kSquare, kColoured, kTrim };
enum class KnobTrack { kNone, kArc, kTicks, kDots };
enum class KnobPointer { kNone, kLine, kDot, kNotch, kWedge };

struct KnobStyle {
  KnobBody body;
  KnobTrack track;
  KnobPointer pointer;
  float body_radius;  // fractions of the frame size
  float ring_radius;
  float ring_width;
  bool value_arc;     // the track fills with blue up to the value
  bool blue_pointer;  // else a light grey pointer
};

constexpr int kKnobOverlayCount = 16;
const KnobStyle& template_knob_style();
// Overlay 0 to 15, in the order of the knob style menu.
const KnobStyle& overlay_knob_style(int index);

// One frame; value 0 to 1.
Canvas draw_knob(const KnobStyle& style, int size, float value, bool bipolar);
Canvas knob_strip(const KnobStyle& style, int size, int frames, bool bipolar);

#endif  // SKINBUILDER_SKINDATA_KNOBS_H_
