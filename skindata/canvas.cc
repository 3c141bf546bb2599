#include "skindata/canvas.h"

#include <algorithm>
#include <cmath>

namespace {

float clamp01(float v) {
  return std::min(1.f, std::max(0.f, v));
}

uint8_t to_byte(float v) {
  return static_cast<uint8_t>(std::lround(clamp01(v) * 255.f));
}

uint32_t mix_bits(uint32_t h) {
  h ^= h >> 16;
  h *= 0x7feb352du;
  h ^= h >> 15;
  h *= 0x846ca68bu;
  h ^= h >> 16;
  return h;
}

void scale_pixel(Color& p, float factor) {
  p.r = std::min(p.a, p.r * factor);
  p.g = std::min(p.a, p.g * factor);
  p.b = std::min(p.a, p.b * factor);
}

}  // namespace

Color rgb(int r, int g, int b, float alpha) {
  return Color{r / 255.f, g / 255.f, b / 255.f, alpha};
}

Color color_of(Rgb8 c, float alpha) {
  return rgb(c.r, c.g, c.b, alpha);
}

Color blue(float brightness, float alpha) {
  return with_alpha(scaled(color_of(kTemplateBlue), brightness), alpha);
}

Color grey(int level, float alpha) {
  return rgb(level, level, level, alpha);
}

Color with_alpha(Color c, float alpha) {
  return Color{c.r, c.g, c.b, alpha};
}

Color scaled(Color c, float factor) {
  return Color{clamp01(c.r * factor), clamp01(c.g * factor), clamp01(c.b * factor), c.a};
}

Color mixed(Color from, Color to, float t) {
  auto lerp = [t](float a, float b) { return a + (b - a) * t; };
  return Color{lerp(from.r, to.r), lerp(from.g, to.g), lerp(from.b, to.b), lerp(from.a, to.a)};
}

Canvas make_canvas(int width, int height, Color fill) {
  Canvas canvas{width, height, {}};
  Color pre{fill.r * fill.a, fill.g * fill.a, fill.b * fill.a, fill.a};
  canvas.px.assign(static_cast<size_t>(width) * height, pre);
  return canvas;
}

void blend_pixel(Canvas& canvas, int x, int y, Color c, float coverage) {
  if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height) return;
  float a = clamp01(c.a * coverage);
  if (a <= 0.f) return;
  Color& p = canvas.px[static_cast<size_t>(y) * canvas.width + x];
  float keep = 1.f - a;
  p = Color{c.r * a + p.r * keep, c.g * a + p.g * keep, c.b * a + p.b * keep, a + p.a * keep};
}

void draw_canvas(Canvas& dst, const Canvas& src, int x0, int y0) {
  for (int y = 0; y < src.height; ++y) {
    for (int x = 0; x < src.width; ++x) {
      const Color& s = src.px[static_cast<size_t>(y) * src.width + x];
      if (s.a <= 0.f) continue;
      Color straight{s.r / s.a, s.g / s.a, s.b / s.a, s.a};
      blend_pixel(dst, x0 + x, y0 + y, straight, 1.f);
    }
  }
}

Canvas stack_frames(const std::vector<Canvas>& frames) {
  int width = 0, height = 0;
  for (const Canvas& f : frames) {
    width = std::max(width, f.width);
    height += f.height;
  }
  Canvas strip = make_canvas(width, height);
  int y = 0;
  for (const Canvas& f : frames) {
    draw_canvas(strip, f, 0, y);
    y += f.height;
  }
  return strip;
}

std::vector<uint8_t> to_rgba8(const Canvas& canvas) {
  std::vector<uint8_t> out;
  out.reserve(canvas.px.size() * 4);
  for (const Color& p : canvas.px) {
    float inv = p.a > 0.f ? 1.f / p.a : 0.f;
    out.push_back(to_byte(p.r * inv));
    out.push_back(to_byte(p.g * inv));
    out.push_back(to_byte(p.b * inv));
    out.push_back(to_byte(p.a));
  }
  return out;
}

float hash_noise(int x, int y, uint32_t seed) {
  uint32_t h = mix_bits(static_cast<uint32_t>(x) * 0x9e3779b1u ^ mix_bits(y + seed * 0x85ebca6bu));
  return (h & 0xffffu) / 32767.5f - 1.f;
}

void add_grain(Canvas& canvas, float amount, uint32_t seed) {
  for (int y = 0; y < canvas.height; ++y) {
    for (int x = 0; x < canvas.width; ++x) {
      scale_pixel(canvas.px[static_cast<size_t>(y) * canvas.width + x],
                  1.f + amount * hash_noise(x, y, seed));
    }
  }
}

void add_brushed(Canvas& canvas, float amount, uint32_t seed) {
  for (int y = 0; y < canvas.height; ++y) {
    float row = hash_noise(0, y, seed + 1);
    for (int x = 0; x < canvas.width; ++x) {
      float streak = hash_noise(x / 23, y, seed) * 0.6f + row * 0.4f;
      scale_pixel(canvas.px[static_cast<size_t>(y) * canvas.width + x], 1.f + amount * streak);
    }
  }
}
