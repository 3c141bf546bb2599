#include "color/colour_model.h"

#include <cmath>

#include "color/modulation.h"

namespace {

constexpr double kQuantumRange = 65535.0;
constexpr double kEpsilon = 1.0e-12;  // the tool's MagickEpsilon
constexpr double kPi = 3.14159265358979323846;

struct Quantums {
  double red, green, blue;  // 0..65535, whole steps
};

// An 8-bit channel as 16 bits: 255 becomes 65535.
double to_quantum(int amount) {
  return clamped_amount(amount) * 257.0;
}

// The nearest 16-bit step of a value in 0..65535, ends included.
double clamp_to_quantum(double value) {
  if (value <= 0.0) return 0.0;
  if (value >= kQuantumRange) return kQuantumRange;
  return std::floor(value + 0.5);
}

// Writing 8 bits, the tool drops the fraction: 32820 (127.7 * 257) gives 127.
int to_eight_bits(double quantum) {
  return static_cast<int>(static_cast<unsigned long>(quantum) / 257UL);
}

Quantums quantums_of(Rgb pixel) {
  return {to_quantum(pixel.red), to_quantum(pixel.green), to_quantum(pixel.blue)};
}

Rgb eight_bits_of(const Quantums& q) {
  return {to_eight_bits(q.red), to_eight_bits(q.green), to_eight_bits(q.blue)};
}

struct Hsb {
  double hue, saturation, brightness;  // hue in turns, 0..1
};

Hsb hsb_of(const Quantums& q) {
  Hsb hsb = {0.0, 0.0, 0.0};
  double max = std::fmax(std::fmax(q.red, q.green), q.blue);
  double min = std::fmin(std::fmin(q.red, q.green), q.blue);
  if (std::fabs(max) < kEpsilon) return hsb;
  double delta = max - min;
  hsb.saturation = delta / max;
  hsb.brightness = max / kQuantumRange;
  if (std::fabs(delta) < kEpsilon) return hsb;
  if (std::fabs(q.red - max) < kEpsilon) {
    hsb.hue = (q.green - q.blue) / delta;
  } else if (std::fabs(q.green - max) < kEpsilon) {
    hsb.hue = 2.0 + (q.blue - q.red) / delta;
  } else {
    hsb.hue = 4.0 + (q.red - q.green) / delta;
  }
  hsb.hue /= 6.0;
  if (hsb.hue < 0.0) hsb.hue += 1.0;
  return hsb;
}

Quantums quantums_of(const Hsb& hsb) {
  double v = hsb.brightness, s = hsb.saturation;
  if (std::fabs(s) < kEpsilon) {
    double grey = clamp_to_quantum(kQuantumRange * v);
    return {grey, grey, grey};
  }
  double h = 6.0 * (hsb.hue - std::floor(hsb.hue));
  double f = h - std::floor(h);
  double p = clamp_to_quantum(kQuantumRange * v * (1.0 - s));
  double q = clamp_to_quantum(kQuantumRange * v * (1.0 - s * f));
  double t = clamp_to_quantum(kQuantumRange * v * (1.0 - s * (1.0 - f)));
  double b = clamp_to_quantum(kQuantumRange * v);
  switch (static_cast<int>(h)) {
    case 1:
      return {q, b, p};
    case 2:
      return {p, b, t};
    case 3:
      return {p, q, b};
    case 4:
      return {t, p, b};
    case 5:
      return {b, p, q};
    default:
      return {b, t, p};
  }
}

}  // namespace

// A float times a million is exact in double (24 bits times 15625 * 2^6 fit
// in 53), so rounding it to a whole number in the default mode, ties to
// even, rounds exactly as "%f" does, and the division gives the double
// nearest the printed decimal, which is what reading it back gives.
double as_printed(float value) {
  return std::nearbyint(static_cast<double>(value) * 1.0e6) / 1.0e6;
}

namespace {

Quantums modulated(const Quantums& pixel, double brightness, double saturation, double hue) {
  Hsb hsb = hsb_of(pixel);
  hsb.hue += std::fmod(hue - 100.0, 200.0) / 200.0;
  hsb.saturation *= 0.01 * saturation;
  hsb.brightness *= 0.01 * brightness;
  return quantums_of(hsb);
}

Quantums contrasted(const Quantums& pixel, double contrast) {
  double slope = std::tan(kPi * (contrast / 100.0 + 1.0) / 4.0);
  if (slope < 0.0) slope = 0.0;
  double intercept = 0.5 * (1.0 - slope);
  auto apply = [&](double v) {
    return clamp_to_quantum(kQuantumRange * (slope * (v / kQuantumRange) + intercept));
  };
  return {apply(pixel.red), apply(pixel.green), apply(pixel.blue)};
}

}  // namespace

Rgb modulate_hsb(Rgb pixel, double brightness, double saturation, double hue) {
  return eight_bits_of(modulated(quantums_of(pixel), brightness, saturation, hue));
}

Rgb brightness_contrast(Rgb pixel, double contrast) {
  return eight_bits_of(contrasted(quantums_of(pixel), contrast));
}

SkinLook skin_look_of(const SkinSettings& settings, Rgb template_colour) {
  GlobalArgs args = global_modulate_args(settings);
  return {template_colour,
          settings.global_adjust == 2,
          as_printed(args.brightness),
          as_printed(args.saturation),
          as_printed(args.hue),
          as_printed(args.contrast)};
}

// Each command reads the 8-bit image and writes it back in 8 bits; within a
// command the steps follow one another at 16 bits.
Rgb predicted_colour(const SkinLook& look, Rgb typed) {
  return globally_adjusted(look, recoloured_colour(look, typed));
}

Rgb recoloured_colour(const SkinLook& look, Rgb typed) {
  SectionColor section = {typed.red, typed.green, typed.blue, 0.0f, 0.0f};
  compute_section_modulation(section);
  SectionArgs args = section_modulate_args(section);
  return modulate_hsb(look.template_colour, 100.0, as_printed(args.saturation),
                      as_printed(args.hue));
}

Rgb globally_adjusted(const SkinLook& look, Rgb colour) {
  if (!look.adjusted) return colour;
  Quantums adjusted = modulated(quantums_of(colour), look.brightness, look.saturation, look.hue);
  return eight_bits_of(contrasted(adjusted, look.contrast));
}
