// The greys of the template skin, as six hexadecimal digits.
//
// The generator draws the grey samples (Images\Other\LGSample.png,
// MGSample.png, DGSample.png) in them, and the scripts take them where no
// grey was measured: without global adjustments nothing has moved them,
// and a grey that cannot be measured falls back to them. Defined here only,
// so the skin and its scripts cannot drift apart.
#ifndef SKINBUILDER_SCRIPTS_TEMPLATE_GREYS_H_
#define SKINBUILDER_SCRIPTS_TEMPLATE_GREYS_H_

inline constexpr char kFixedLightGray[] = "999999";
inline constexpr char kFixedMiddleGray[] = "323232";
inline constexpr char kFixedDarkGray[] = "262626";

#endif  // SKINBUILDER_SCRIPTS_TEMPLATE_GREYS_H_
