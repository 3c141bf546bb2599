// Line symbols shown on selectors: waveforms, filter responses, envelope
// segments and note values, each drawn into a box as one smooth stroke.
#ifndef SKINBUILDER_SKINDATA_SYMBOLS_H_
#define SKINBUILDER_SKINDATA_SYMBOLS_H_

#include "skindata/canvas.h"
#include "skindata/drawing.h"

enum class Symbol {
  // waveforms
  kSine,
  kTriangle,
  kSawUp,
  kSawDown,
  kSquare,
  kPulse,
  kStairs,
  kNoise,
  kHalfSine,
  kRampExp,
  // filter responses
  kLowPass,
  kHighPass,
  kBandPass,
  kNotch,
  kPeak,
  kLowShelf,
  kHighShelf,
  kComb,
  kAllPass,
  kFormant,
  // envelope segments
  kAttack,
  kDecay,
  kSustain,
  kRelease,
};

constexpr int kWaveSymbolCount = 10;
constexpr int kFilterSymbolCount = 10;
Symbol wave_symbol(int index);    // index modulo the count
Symbol filter_symbol(int index);  // index modulo the count

void draw_symbol(Canvas& canvas, Symbol symbol, Box area, float width, const Paint& paint);

#endif  // SKINBUILDER_SKINDATA_SYMBOLS_H_
