// Colour help benchmark (bench/colour_help.sh builds and runs it): the
// preview of 200 random CUSTOM multicolour palettes (a fixed seed; every
// fourth with random global adjustments of -30 to +30), run in a working
// folder that holds a generated skindata, exactly as the wizard runs it.
//
// For each palette the preview's own text is read like a user reads it:
// the colours to try are taken from its problem lines, typed into the
// settings, and the preview runs again; the palette counts as fixed when
// that second preview says "Colours read well.". Separately, the colour
// help alone (the asked-and-shown lines and the colours to try, with their
// confirmations by the image tool) is timed on the first preview's
// measurements: that is the time the help adds to a preview. Times are
// given over the palettes that fail; a palette that reads well runs no
// command of the help. The tool's share is timed at the command runner.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "assembly/commands.h"
#include "color/colour_help.h"
#include "color/colour_metrics.h"
#include "color/modulation.h"
#include "color/nearest_passing.h"
#include "color/preview.h"
#include "color/readability.h"

namespace {

constexpr int kPalettes = 200;
const char* const kNames[] = {"GENERATORS", "MODULATORS", "EFFECTS", "GLOBALS"};

// What f prints on standard output.
template <typename F>
std::string captured(F&& f) {
  std::fflush(stdout);
  FILE* sink = std::tmpfile();
  int saved = dup(1);
  dup2(fileno(sink), 1);
  f();
  std::fflush(stdout);
  dup2(saved, 1);
  close(saved);
  std::string text;
  std::rewind(sink);
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, sink)) > 0;) text.append(buffer, n);
  std::fclose(sink);
  return text;
}

struct Tried {
  bool section[4];
  Rgb colour[4];
  bool selection;
  Rgb selection_colour;
  bool brightness;
  float brightness_value;
};

bool read_amounts(const std::string& text, size_t at, Rgb& out) {
  return std::sscanf(text.c_str() + at, "%d,%d,%d", &out.red, &out.green, &out.blue) == 3;
}

// The colours to try, as a user reads them off the problem lines.
Tried colours_to_try(const std::string& report) {
  Tried tried = {};
  size_t start = 0;
  for (size_t end; (end = report.find('\n', start)) != std::string::npos; start = end + 1) {
    std::string line = report.substr(start, end - start);
    size_t global = line.find("try global brightness ");
    if (global != std::string::npos) {
      tried.brightness =
          std::sscanf(line.c_str() + global + 22, "%f", &tried.brightness_value) == 1;
      size_t with = line.find(" with ", global);
      if (with == std::string::npos) continue;
      line = line.substr(0, line.find(';')) + "; try " + line.substr(with + 6);
    }
    size_t at = line.find("; try ");
    // A section that reads well now, with its colour at the brightness to try.
    if (at == std::string::npos) at = line.find(", try ");
    if (at == std::string::npos) continue;
    bool selection_line = line.find(" selection next to ") != std::string::npos;
    Rgb colour;
    if (!read_amounts(line, at + 6, colour)) continue;
    if (selection_line) {
      tried.selection = true;
      tried.selection_colour = colour;
      continue;
    }
    for (int n = 0; n < 4; ++n) {
      if (line.compare(0, std::strlen(kNames[n]) + 1, std::string(kNames[n]) + ":") != 0) continue;
      tried.section[n] = true;
      tried.colour[n] = colour;
    }
    size_t with = line.find(" with the selection at ");
    if (with != std::string::npos && read_amounts(line, with + 23, colour)) {
      tried.selection = true;
      tried.selection_colour = colour;
    }
  }
  return tried;
}

SkinSettings random_palette(std::mt19937& random, int index) {
  std::uniform_int_distribution<int> amount(0, 255), adjustment(-30, 30);
  SkinSettings settings;
  init_settings(settings);
  settings.design_choice = kCustomMulti;
  for (int n = 1; n <= 4; ++n) {
    SectionColor& colour = section_color(settings, n);
    colour.red = amount(random);
    colour.green = amount(random);
    colour.blue = amount(random);
  }
  settings.sel_red = amount(random);
  settings.sel_green = amount(random);
  settings.sel_blue = amount(random);
  if (index % 4 == 3) {
    settings.global_adjust = 2;
    settings.global_brightness = static_cast<float>(adjustment(random));
    settings.global_contrast = static_cast<float>(adjustment(random));
    settings.global_saturation = static_cast<float>(adjustment(random));
    settings.global_hue = static_cast<float>(adjustment(random));
  }
  compute_modulation(settings);
  return settings;
}

// The preview's measurements, read back from the listing files it left.
ReadabilityColours measured_by_preview(const SkinSettings& settings) {
  ReadabilityColours colours = readability_colours_for(settings);
  colours.background = sampled_from_listing(".\\skindata\\temp\\DGSample.txt");
  for (int n = 1; n <= 4; ++n) {
    std::string listing = ".\\skindata\\temp\\CS" + std::to_string(n) + "Sample.txt";
    colours.sections[n - 1] = sampled_from_listing(listing.c_str());
  }
  return colours;
}

double since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

// The commands the help runs, counted and timed on their way to the system.
struct ToolTime {
  int commands = 0;
  double milliseconds = 0.0;
} tool_time;
CommandRunner system_runner = nullptr;

int timed_command(const char* line) {
  auto start = std::chrono::steady_clock::now();
  set_command_runner(system_runner);
  int status = run_command(line);
  set_command_runner(timed_command);
  ++tool_time.commands;
  tool_time.milliseconds += since(start);
  return status;
}

struct HelpCost {
  double milliseconds, tool_milliseconds;
  int commands;
};

// The help alone, on the measurements of the preview just made.
HelpCost help_cost(const SkinSettings& settings) {
  ReadabilityColours colours = measured_by_preview(settings);
  tool_time = ToolTime{};
  system_runner = set_command_runner(timed_command);
  auto start = std::chrono::steady_clock::now();
  captured([&] {
    TemplateColour template_colour = {};
    print_asked_and_shown(settings, colours, template_colour);
    add_colour_help(settings, colours, template_colour);
  });
  double total = since(start);
  set_command_runner(system_runner);
  return {total, tool_time.milliseconds, tool_time.commands};
}

double percentile(std::vector<double> values, double fraction) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  size_t index = static_cast<size_t>(fraction * (values.size() - 1) + 0.5);
  return values[index];
}

struct Totals {
  int failing = 0, fixed = 0, none_passes = 0, unconfirmed = 0, adjusted_failing = 0,
      adjusted_fixed = 0, failing_sections = 0, help_commands = 0;
  int brightness_offered = 0;
  std::vector<double> section_distances, shown_distances, selection_distances, hue_shifts,
      brightness_changes;
  std::vector<double> preview_ms, help_ms, tool_ms, search_ms;  // palettes that fail
  std::vector<std::string> not_fixed;
  FILE* details;  // one line for each section colour to try
};

double distance(Rgb one, Rgb two) {
  return ciede2000(srgb_to_lab(one), srgb_to_lab(two));
}

void type_brightness(const Tried& tried, SkinSettings& settings, Totals& totals) {
  if (!tried.brightness) return;
  ++totals.brightness_offered;
  float now = settings.global_adjust == 2 ? settings.global_brightness : 0.0f;
  totals.brightness_changes.push_back(std::fabs(tried.brightness_value - now));
  if (settings.global_adjust != 2) {
    settings.global_adjust = 2;
    settings.global_saturation = settings.global_hue = settings.global_contrast = 0.0f;
    settings.advanced_options[0] = '\0';
  }
  settings.global_brightness = tried.brightness_value;
}

void type_tried(const Tried& tried, SkinSettings& settings, Totals& totals) {
  type_brightness(tried, settings, totals);
  for (int n = 1; n <= 4; ++n) {
    if (!tried.section[n - 1]) continue;
    SectionColor& colour = section_color(settings, n);
    Rgb asked = {colour.red, colour.green, colour.blue};
    totals.section_distances.push_back(distance(asked, tried.colour[n - 1]));
    double shift = hue_gap(asked, tried.colour[n - 1]);
    if (shift >= 0.0) totals.hue_shifts.push_back(shift);
    std::fprintf(totals.details, "%d,%d,%d -> %d,%d,%d: %.1f CIEDE2000, %.1f degrees%s\n",
                 asked.red, asked.green, asked.blue, tried.colour[n - 1].red,
                 tried.colour[n - 1].green, tried.colour[n - 1].blue,
                 totals.section_distances.back(), shift,
                 tried.brightness ? ", with a brightness" : "");
    colour.red = tried.colour[n - 1].red;
    colour.green = tried.colour[n - 1].green;
    colour.blue = tried.colour[n - 1].blue;
  }
  if (tried.selection) {
    Rgb asked = {settings.sel_red, settings.sel_green, settings.sel_blue};
    totals.selection_distances.push_back(distance(asked, tried.selection_colour));
    settings.sel_red = tried.selection_colour.red;
    settings.sel_green = tried.selection_colour.green;
    settings.sel_blue = tried.selection_colour.blue;
  }
  compute_modulation(settings);
}

// How far each section colour to try lies from what the skin showed.
void note_moves(const ReadabilityColours& before, const Tried& tried, Totals& totals) {
  for (int n = 1; n <= 4; ++n) {
    totals.failing_sections += section_colour_fails(before, n);
    if (tried.section[n - 1] && before.sections[n - 1].measured) {
      totals.shown_distances.push_back(
          distance(before.sections[n - 1].colour, tried.colour[n - 1]));
    }
  }
}

void run_palette(std::mt19937& random, int index, Totals& totals) {
  SkinSettings settings = random_palette(random, index);
  auto start = std::chrono::steady_clock::now();
  std::string first = captured([&] { make_preview(settings); });
  double preview = since(start);
  HelpCost cost = help_cost(settings);
  if (first.find("Colours read well.") != std::string::npos) return;
  totals.preview_ms.push_back(preview);
  totals.help_ms.push_back(cost.milliseconds);
  totals.tool_ms.push_back(cost.tool_milliseconds);
  totals.search_ms.push_back(cost.milliseconds - cost.tool_milliseconds);
  totals.help_commands += cost.commands;
  bool adjusted = settings.global_adjust == 2;
  ++totals.failing;
  totals.adjusted_failing += adjusted;
  totals.none_passes += first.find("reads well at any global brightness") != std::string::npos;
  totals.unconfirmed += first.find("could be confirmed") != std::string::npos;
  Tried tried = colours_to_try(first);
  note_moves(measured_by_preview(settings), tried, totals);
  type_tried(tried, settings, totals);
  std::string second = captured([&] { make_preview(settings); });
  if (second.find("Colours read well.") != std::string::npos) {
    ++totals.fixed;
    totals.adjusted_fixed += adjusted;
  } else {
    totals.not_fixed.push_back("palette " + std::to_string(index) + ":\n" + first + "then:\n" +
                               second);
  }
}

void print_distances(const char* what, const std::vector<double>& distances) {
  std::printf("%s: median %.1f, 90th percentile %.1f\n", what, percentile(distances, 0.5),
              percentile(distances, 0.9));
}

void print_totals(const Totals& t) {
  std::printf("palettes: %d (%d with global adjustments)\n", kPalettes, kPalettes / 4);
  std::printf("failing at the preview: %d (%d with global adjustments)\n", t.failing,
              t.adjusted_failing);
  std::printf("fixed by typing their colours to try: %d of %d (%d of %d with global adjustments)\n",
              t.fixed, t.failing, t.adjusted_fixed, t.adjusted_failing);
  std::printf(
      "palettes with a line where no colour of its hue reads well at any brightness: %d; with one "
      "not confirmed: %d\n",
      t.none_passes, t.unconfirmed);
  std::printf("section colours to try: %zu (for %d failing section colours)\n",
              t.section_distances.size(), t.failing_sections);
  print_distances("  CIEDE2000 from the colour asked for", t.section_distances);
  print_distances("  hue degrees from the colour asked for (not for greys)", t.hue_shifts);
  print_distances("  CIEDE2000 from the colour the skin showed instead", t.shown_distances);
  std::printf("palettes offered a global brightness: %d\n", t.brightness_offered);
  print_distances("  change of the global brightness", t.brightness_changes);
  std::printf("selection colours to try: %zu\n", t.selection_distances.size());
  print_distances("  CIEDE2000 from the selection asked for", t.selection_distances);
  std::printf("failing palettes: preview with the help, median %.0f ms\n",
              percentile(t.preview_ms, 0.5));
  std::printf(
      "time the help adds to a preview: median %.1f ms, 90th percentile %.1f ms, max %.1f ms\n",
      percentile(t.help_ms, 0.5), percentile(t.help_ms, 0.9), percentile(t.help_ms, 1.0));
  std::printf("  in the image tool (%d commands, %.1f per failing palette): median %.1f ms\n",
              t.help_commands, t.failing > 0 ? double(t.help_commands) / t.failing : 0.0,
              percentile(t.tool_ms, 0.5));
  std::printf("  in the program (search, listings): median %.1f ms, max %.1f ms\n",
              percentile(t.search_ms, 0.5), percentile(t.search_ms, 1.0));
}

}  // namespace

int main() {
  std::mt19937 random(17);
  Totals totals;
  totals.details = std::fopen("suggestions.txt", "w");
  if (totals.details == nullptr) return 1;
  for (int index = 0; index < kPalettes; ++index) run_palette(random, index, totals);
  std::fclose(totals.details);
  print_totals(totals);
  for (const std::string& text : totals.not_fixed) std::fprintf(stderr, "%s\n", text.c_str());
  return 0;
}
