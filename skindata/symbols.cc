#include "skindata/symbols.h"

#include <cmath>
#include <functional>
#include <vector>

namespace {

constexpr float kTwoPi = 6.2831853f;
using Points = std::vector<Vec>;  // unit square, y downwards

Points sampled(const std::function<float(float)>& y_of, int steps = 48) {
  Points pts;
  for (int i = 0; i <= steps; ++i) {
    float t = static_cast<float>(i) / steps;
    pts.push_back(Vec{t, y_of(t)});
  }
  return pts;
}

// A filter response: level 0 (bottom) to 1 (top) over the frequency axis.
Points response(const std::function<float(float)>& level) {
  return sampled([&](float t) { return 0.92f - 0.8f * std::clamp(level(t), 0.f, 1.05f); });
}

float bell(float t, float centre, float width) {
  float d = (t - centre) / width;
  return std::exp(-d * d);
}

float smooth_step(float t, float at, float width) {
  return 1.f / (1.f + std::exp(-(t - at) / width));
}

Points wave_points(Symbol s) {
  switch (s) {
    case Symbol::kSine:
      return sampled([](float t) { return 0.5f - 0.42f * std::sin(kTwoPi * t); });
    case Symbol::kTriangle:
      return {{0, .5f}, {.25f, .08f}, {.75f, .92f}, {1, .5f}};
    case Symbol::kSawUp:
      return {{0, .92f}, {.5f, .08f}, {.5f, .92f}, {1, .08f}, {1, .5f}};
    case Symbol::kSawDown:
      return {{0, .08f}, {.5f, .92f}, {.5f, .08f}, {1, .92f}, {1, .5f}};
    case Symbol::kSquare:
      return {{0, .5f}, {0, .1f}, {.5f, .1f}, {.5f, .9f}, {1, .9f}, {1, .5f}};
    case Symbol::kPulse:
      return {{0, .9f},    {.15f, .9f}, {.15f, .1f}, {.35f, .1f}, {.35f, .9f},
              {.65f, .9f}, {.65f, .1f}, {.85f, .1f}, {.85f, .9f}, {1, .9f}};
    case Symbol::kStairs:
      return {{0, .7f},    {.2f, .7f}, {.2f, .2f}, {.4f, .2f},  {.4f, .55f},
              {.6f, .55f}, {.6f, .9f}, {.8f, .9f}, {.8f, .35f}, {1, .35f}};
    case Symbol::kNoise:
      return sampled([](float t) { return 0.5f + 0.4f * hash_noise(int(t * 24), 7, 3); }, 24);
    case Symbol::kHalfSine:
      return sampled([](float t) { return 0.9f - 0.8f * std::abs(std::sin(kTwoPi * t)); });
    default:
      return sampled([](float t) { return 0.92f - 0.84f * (std::exp(3 * t) - 1) / 19.1f; });
  }
}

Points filter_points(Symbol s) {
  switch (s) {
    case Symbol::kLowPass:
      return response([](float t) {
        return 0.7f * (1 - smooth_step(t, .6f, .05f)) + 0.3f * bell(t, .58f, .06f);
      });
    case Symbol::kHighPass:
      return response(
          [](float t) { return 0.7f * smooth_step(t, .4f, .05f) + 0.3f * bell(t, .42f, .06f); });
    case Symbol::kBandPass:
      return response([](float t) { return bell(t, .5f, .14f); });
    case Symbol::kNotch:
      return response([](float t) { return 0.75f * (1 - bell(t, .5f, .08f)); });
    case Symbol::kPeak:
      return response([](float t) { return 0.4f + 0.55f * bell(t, .5f, .1f); });
    case Symbol::kLowShelf:
      return response([](float t) { return 0.35f + 0.45f * (1 - smooth_step(t, .45f, .07f)); });
    case Symbol::kHighShelf:
      return response([](float t) { return 0.35f + 0.45f * smooth_step(t, .55f, .07f); });
    case Symbol::kComb:
      return response([](float t) { return 0.45f + 0.4f * std::cos(kTwoPi * 4 * t); });
    case Symbol::kAllPass:
      return response([](float t) { return 0.55f + 0.02f * std::sin(kTwoPi * t); });
    default:
      return response(
          [](float t) { return 0.25f + 0.6f * bell(t, .3f, .06f) + 0.45f * bell(t, .68f, .07f); });
  }
}

Points envelope_points(Symbol s) {
  switch (s) {
    case Symbol::kAttack:
      return sampled([](float t) { return 0.92f - 0.84f * std::pow(t, 0.6f); });
    case Symbol::kDecay:
      return sampled([](float t) { return 0.08f + 0.5f * (1 - std::exp(-4 * t)); });
    case Symbol::kSustain:
      return {{0, .45f}, {1, .45f}};
    default:
      return sampled([](float t) { return 0.45f + 0.47f * (1 - std::exp(-4 * t)); });
  }
}

Points unit_points(Symbol s) {
  if (s >= Symbol::kAttack) return envelope_points(s);
  if (s >= Symbol::kLowPass) return filter_points(s);
  return wave_points(s);
}

}  // namespace

Symbol wave_symbol(int index) {
  return static_cast<Symbol>(static_cast<int>(Symbol::kSine) + index % kWaveSymbolCount);
}

Symbol filter_symbol(int index) {
  return static_cast<Symbol>(static_cast<int>(Symbol::kLowPass) + index % kFilterSymbolCount);
}

void draw_symbol(Canvas& canvas, Symbol symbol, Box area, float width, const Paint& paint) {
  Points pts = unit_points(symbol);
  for (Vec& p : pts) {
    p = Vec{area.x0 + p.x * box_width(area), area.y0 + p.y * box_height(area)};
  }
  draw_polyline(canvas, pts, width, paint);
}
