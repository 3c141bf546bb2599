// compare-skins: how far a skin folder lies from another built from the
// same answers on another system (./test.sh --package compares the Windows
// program's skins, built under Wine with ImageMagick 7, with the Linux
// program's, built with ImageMagick 6).
//
//   compare-skins [--colour N] [--alpha N] [--script-colour N] REFERENCE OTHER
//
// Both folders must hold the same files. An image (.png) must decode in
// both, keep its size and differ by at most --colour (default 6) in a
// colour channel and --alpha (default 0) in alpha; a script (.txt) may
// differ only in colour codes, each within --script-colour (default 3) a
// channel (skin_comparison.h); any other file must be the same bytes.
// Prints the figures, then exits 1 naming the first file, in name order,
// that breaks a limit; 2 for wrong arguments.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "assembly/png_file.h"
#include "tools/package_test/skin_comparison.h"

namespace {

namespace fs = std::filesystem;

struct Limits {
  int colour = 6;
  int alpha = 0;
  int script_colour = 3;
};

struct Figures {
  int images = 0;
  int largest_colour = 0;
  std::string colour_file;
  int largest_alpha = 0;
  int largest_script_colour = 0;
  std::string first_fault;  // "FILE: what is wrong"
};

void note_fault(Figures& figures, const std::string& file, const std::string& what) {
  if (figures.first_fault.empty()) figures.first_fault = file + ": " + what;
}

std::string beyond(const char* what, int found, int limit) {
  return std::string(what) + " differs by " + std::to_string(found) + " (limit " +
         std::to_string(limit) + ")";
}

// The regular files under root, as paths relative to it with "/".
std::set<std::string> files_under(const fs::path& root) {
  std::set<std::string> files;
  std::error_code error;
  for (fs::recursive_directory_iterator entry(root, error), end; !error && entry != end;
       entry.increment(error)) {
    if (entry->is_regular_file(error))
      files.insert(entry->path().lexically_relative(root).generic_string());
  }
  return files;
}

std::string read_bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool has_extension(const std::string& file, const char* extension) {
  std::string found = fs::path(file).extension().string();
  for (char& c : found) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return found == extension;
}

void compare_image(const fs::path& a, const fs::path& b, const std::string& file,
                   const Limits& limits, Figures& figures) {
  PngPixels pixels_a, pixels_b;
  if (!decode_png(a.string(), &pixels_a) || !decode_png(b.string(), &pixels_b))
    return note_fault(figures, file, "not a whole PNG in both folders");
  PixelDifference difference = compare_pixels(pixels_a, pixels_b);
  if (!difference.same_size) return note_fault(figures, file, "the sizes differ");
  ++figures.images;
  if (difference.largest_colour > figures.largest_colour) figures.colour_file = file;
  figures.largest_colour = std::max(figures.largest_colour, difference.largest_colour);
  figures.largest_alpha = std::max(figures.largest_alpha, difference.largest_alpha);
  if (difference.largest_colour > limits.colour)
    note_fault(figures, file, beyond("colour", difference.largest_colour, limits.colour));
  if (difference.largest_alpha > limits.alpha)
    note_fault(figures, file, beyond("alpha", difference.largest_alpha, limits.alpha));
}

void compare_script(const fs::path& a, const fs::path& b, const std::string& file,
                    const Limits& limits, Figures& figures) {
  ScriptDifference difference = compare_scripts(read_bytes(a), read_bytes(b));
  if (difference.first_other_line > 0)
    return note_fault(figures, file,
                      "line " + std::to_string(difference.first_other_line) + " differs");
  figures.largest_script_colour =
      std::max(figures.largest_script_colour, difference.largest_colour);
  if (difference.largest_colour > limits.script_colour)
    note_fault(figures, file,
               beyond("a colour code", difference.largest_colour, limits.script_colour));
}

void compare_file(const fs::path& a, const fs::path& b, const std::string& file,
                  const Limits& limits, Figures& figures) {
  if (has_extension(file, ".png")) return compare_image(a / file, b / file, file, limits, figures);
  if (has_extension(file, ".txt")) return compare_script(a / file, b / file, file, limits, figures);
  if (read_bytes(a / file) != read_bytes(b / file)) note_fault(figures, file, "the bytes differ");
}

Figures compare_folders(const fs::path& a, const fs::path& b, const Limits& limits) {
  Figures figures;
  std::set<std::string> files_a = files_under(a), files_b = files_under(b);
  std::set<std::string> all = files_a;
  all.insert(files_b.begin(), files_b.end());
  if (all.empty()) note_fault(figures, a.string(), "neither folder holds a file");
  for (const std::string& file : all) {
    if (files_a.count(file) == 0)
      note_fault(figures, file, "only in " + b.string());
    else if (files_b.count(file) == 0)
      note_fault(figures, file, "only in " + a.string());
    else
      compare_file(a, b, file, limits, figures);
  }
  return figures;
}

void print_figures(const Figures& figures) {
  std::string where = figures.colour_file.empty() ? "" : " (" + figures.colour_file + ")";
  std::printf("images compared: %d\n", figures.images);
  std::printf("largest colour difference: %d%s\n", figures.largest_colour, where.c_str());
  std::printf("largest alpha difference: %d\n", figures.largest_alpha);
  std::printf("largest script colour difference: %d\n", figures.largest_script_colour);
}

bool read_limit(const char* text, int* limit) {
  char* end = nullptr;
  long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || value < 0 || value > 255) return false;
  *limit = static_cast<int>(value);
  return true;
}

// The limits and the two folders; false when the arguments are wrong.
bool read_arguments(int argc, char** argv, Limits* limits, fs::path folders[2]) {
  int folder_count = 0;
  for (int i = 1; i < argc; ++i) {
    std::string word = argv[i];
    int* limit = word == "--colour"          ? &limits->colour
                 : word == "--alpha"         ? &limits->alpha
                 : word == "--script-colour" ? &limits->script_colour
                                             : nullptr;
    if (limit != nullptr && (i + 1 == argc || !read_limit(argv[++i], limit))) return false;
    if (limit == nullptr && (folder_count == 2 || word.rfind("--", 0) == 0)) return false;
    if (limit == nullptr) folders[folder_count++] = word;
  }
  return folder_count == 2;
}

}  // namespace

int main(int argc, char** argv) {
  Limits limits;
  fs::path folders[2];
  if (!read_arguments(argc, argv, &limits, folders)) {
    std::fprintf(stderr,
                 "usage: compare-skins [--colour N] [--alpha N] [--script-colour N] "
                 "REFERENCE OTHER\n");
    return 2;
  }
  Figures figures = compare_folders(folders[0], folders[1], limits);
  print_figures(figures);
  if (figures.first_fault.empty()) return 0;
  std::fprintf(stderr, "compare-skins: %s\n", figures.first_fault.c_str());
  return 1;
}
