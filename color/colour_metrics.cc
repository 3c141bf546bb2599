#include "color/colour_metrics.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

double radians(double degrees) {
  return degrees * kPi / 180.0;
}

// A component as the 0..1 fraction of the linear light it stands for.
double linear_component(int amount) {
  return srgb_to_linear(clamped_amount(amount) / 255.0);
}

// The CIELAB companding of one tristimulus ratio.
double lab_f(double t) {
  constexpr double kDelta = 6.0 / 29.0;
  if (t > kDelta * kDelta * kDelta) return std::cbrt(t);
  return t / (3.0 * kDelta * kDelta) + 4.0 / 29.0;
}

// 25^7, the chroma at which the a* rescaling and the blue-region rotation
// reach half their strength.
constexpr double kChromaKnee7 = 6103515625.0;

double chroma_weight(double chroma) {
  double c7 = std::pow(chroma, 7.0);
  return std::sqrt(c7 / (c7 + kChromaKnee7));
}

// Chroma and hue angle (degrees, 0..360) after the a* rescaling; the hue of
// a neutral colour is 0.
struct Primed {
  double lightness, chroma, hue;
};

Primed primed(Lab colour, double g) {
  double a = (1.0 + g) * colour.a;
  double hue = (a == 0.0 && colour.b == 0.0) ? 0.0 : std::atan2(colour.b, a) * 180.0 / kPi;
  if (hue < 0.0) hue += 360.0;
  return {colour.lightness, std::hypot(a, colour.b), hue};
}

// The hue difference, taken the short way round; 0 when either is neutral.
double hue_difference(const Primed& one, const Primed& two) {
  if (one.chroma * two.chroma == 0.0) return 0.0;
  double d = two.hue - one.hue;
  if (d > 180.0) d -= 360.0;
  if (d < -180.0) d += 360.0;
  return d;
}

// The mean hue, also taken the short way round; the sum when either is neutral.
double mean_hue(const Primed& one, const Primed& two) {
  double sum = one.hue + two.hue;
  if (one.chroma * two.chroma == 0.0) return sum;
  if (std::fabs(one.hue - two.hue) <= 180.0) return sum / 2.0;
  return (sum < 360.0 ? sum + 360.0 : sum - 360.0) / 2.0;
}

double hue_weighting(double hue) {
  return 1.0 - 0.17 * std::cos(radians(hue - 30.0)) + 0.24 * std::cos(radians(2.0 * hue)) +
         0.32 * std::cos(radians(3.0 * hue + 6.0)) - 0.20 * std::cos(radians(4.0 * hue - 63.0));
}

double lightness_weighting(double mean_lightness) {
  double d2 = (mean_lightness - 50.0) * (mean_lightness - 50.0);
  return 1.0 + 0.015 * d2 / std::sqrt(20.0 + d2);
}

// The rotation term that corrects the blue region (hues around 275 degrees).
double rotation(double mean_hue, double mean_chroma) {
  double d = (mean_hue - 275.0) / 25.0;
  double theta = 30.0 * std::exp(-d * d);
  return -std::sin(radians(2.0 * theta)) * 2.0 * chroma_weight(mean_chroma);
}

}  // namespace

int clamped_amount(int amount) {
  return amount < 0 ? 0 : (amount > 255 ? 255 : amount);
}

double srgb_to_linear(double component) {
  if (component <= 0.04045) return component / 12.92;
  return std::pow((component + 0.055) / 1.055, 2.4);
}

double relative_luminance(Rgb colour) {
  return 0.2126 * linear_component(colour.red) + 0.7152 * linear_component(colour.green) +
         0.0722 * linear_component(colour.blue);
}

double contrast_ratio(Rgb first, Rgb second) {
  double one = relative_luminance(first), two = relative_luminance(second);
  double lighter = one > two ? one : two, darker = one > two ? two : one;
  return (lighter + 0.05) / (darker + 0.05);
}

Lab srgb_to_lab(Rgb colour) {
  double r = linear_component(colour.red), g = linear_component(colour.green),
         b = linear_component(colour.blue);
  // Linear sRGB to CIE XYZ, each divided by the D65 white's.
  double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047;
  double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
  double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883;
  return {116.0 * lab_f(y) - 16.0, 500.0 * (lab_f(x) - lab_f(y)), 200.0 * (lab_f(y) - lab_f(z))};
}

double ciede2000(Lab first, Lab second) {
  double mean_chroma = (std::hypot(first.a, first.b) + std::hypot(second.a, second.b)) / 2.0;
  double g = 0.5 * (1.0 - chroma_weight(mean_chroma));
  Primed one = primed(first, g), two = primed(second, g);
  double c_bar = (one.chroma + two.chroma) / 2.0, h_bar = mean_hue(one, two);
  double dl =
      (two.lightness - one.lightness) / lightness_weighting((one.lightness + two.lightness) / 2.0);
  double dc = (two.chroma - one.chroma) / (1.0 + 0.045 * c_bar);
  double dh = 2.0 * std::sqrt(one.chroma * two.chroma) *
              std::sin(radians(hue_difference(one, two) / 2.0)) /
              (1.0 + 0.015 * c_bar * hue_weighting(h_bar));
  return std::sqrt(dl * dl + dc * dc + dh * dh + rotation(h_bar, c_bar) * dc * dh);
}
