#include "assembly/skin_check.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <map>
#include <system_error>
#include <thread>
#include <vector>

#include "assembly/file_structure.h"
#include "assembly/png_file.h"
#include "assembly/skin_layout.h"
#include "platform/native_path.h"

namespace {

namespace fs = std::filesystem;

// Promised images by their path in lower case, as Windows tells names apart.
using Promises = std::map<std::string, PromisedImage>;

std::string lower_case(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool is_png_name(const std::string& name) {
  return name.size() > 4 && lower_case(name.substr(name.size() - 4)) == ".png";
}

void promise(Promises& promises, const std::string& path, const std::string& source) {
  promises[lower_case(path)] = PromisedImage{path, source};
}

// Every PNG below a folder (interpreter form) promised under prefix.
void promise_tree(Promises& promises, const std::string& folder, const std::string& prefix) {
  fs::path root = native_path(folder.c_str());
  std::error_code error;
  for (fs::recursive_directory_iterator it(root, error), end; !error && it != end;
       it.increment(error)) {
    if (!it->is_regular_file(error) || !is_png_name(it->path().filename().string())) continue;
    std::string relative = it->path().lexically_relative(root).generic_string();
    for (char& c : relative) c = c == '/' ? '\\' : c;
    promise(promises, prefix + relative, it->path().string());
  }
}

void promise_overlays(Promises& promises, const SkinSettings& settings) {
  std::string knob =
      style_overlay_images(StyleGroup::kKnob, is_standard(settings) ? 1 : settings.knob_style);
  if (!knob.empty()) promise_tree(promises, knob, "Images\\");
  if (is_standard(settings)) return;
  for (auto [group, number] : {std::pair{StyleGroup::kLockIcon, settings.lock_icon_style},
                               std::pair{StyleGroup::kArpIcon, settings.arp_icon_style}}) {
    std::string overlay = style_overlay_images(group, number);
    if (!overlay.empty()) promise_tree(promises, overlay, "Images\\");
  }
}

// The images directly in folder (a path inside the skin) with their names.
std::vector<std::pair<std::string, PromisedImage>> images_in(const Promises& promises,
                                                             const std::string& folder) {
  std::string prefix = lower_case(folder) + "\\";
  std::vector<std::pair<std::string, PromisedImage>> found;
  for (auto it = promises.lower_bound(prefix); it != promises.end(); ++it) {
    if (it->first.compare(0, prefix.size(), prefix) != 0) break;
    std::string name = it->second.path.substr(prefix.size());
    if (name.find('\\') == std::string::npos) found.emplace_back(name, it->second);
  }
  return found;
}

// What a clone promises: in the clone's folder, a copy of each file of
// the source folder (an animation clone copies its folder whole) or of
// each file whose name begins with the source (a file clone), named as
// the clone names it.
void promise_clone(Promises& promises, const Clone& clone, bool whole_folder) {
  std::string from = whole_folder ? clone.folder + "\\" + clone.source : clone.folder;
  std::string to = whole_folder ? clone.folder + "\\" + clone.name : clone.folder;
  for (const auto& [file, image] : images_in(promises, from)) {
    std::string name = cloned_file_name(file, clone);
    if (!whole_folder && name == file) continue;
    promise(promises, to + "\\" + name, image.source);
  }
}

// What the check knows of the image a promised one is made from: its size
// from its header; its bytes, while the images are compared with them; and
// its alpha, decoded only when some image made from it has other bytes.
struct SourceImage {
  bool sized = false;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::vector<unsigned char> bytes;  // a whole PNG, else none
  bool needed = false;
  bool decoded = false;
  std::vector<unsigned char> alpha;  // a byte a pixel, rows from the top
};

using Sources = std::map<std::string, SourceImage>;

enum class Verdict { kFine, kMissing, kEmpty, kDamaged, kWrongSize, kTransparencyChanged };

// A promised image on its way through the check.
struct ImageState {
  SourceImage* source = nullptr;
  Verdict verdict = Verdict::kFine;
  bool alpha_to_compare = false;
  std::vector<unsigned char> bytes;  // kept while its alpha is to compare
};

void release(std::vector<unsigned char>& bytes) {
  std::vector<unsigned char>().swap(bytes);
}

void read_source(const std::string& path, SourceImage& source) {
  PngFacts facts = read_png(path, &source.bytes);
  source.sized = facts.state == PngState::kWhole;
  source.width = facts.width;
  source.height = facts.height;
  if (source.sized) return;
  release(source.bytes);
  source.sized = read_png_size(path, &source.width, &source.height);
}

void decode_source(SourceImage& source) {
  PngPixels pixels;
  source.decoded = decode_png_bytes(source.bytes.data(), source.bytes.size(), &pixels);
  release(source.bytes);
  source.alpha.resize(pixels.rgba.size() / 4);
  for (size_t i = 0; i < source.alpha.size(); ++i) source.alpha[i] = pixels.rgba[4 * i + 3];
}

// The image passes round colours through 16 bits and back: an alpha may
// come back one off without anything having changed it.
bool alpha_kept(const PngPixels& image, const std::vector<unsigned char>& alpha) {
  for (size_t i = 0; i < alpha.size(); ++i) {
    int change = int{image.rgba[4 * i + 3]} - int{alpha[i]};
    if (change > 1 || change < -1) return false;
  }
  return true;
}

Verdict unwritten(PngState state) {
  switch (state) {
    case PngState::kMissing:
      return Verdict::kMissing;
    case PngState::kEmpty:
      return Verdict::kEmpty;
    case PngState::kDamaged:
      return Verdict::kDamaged;
    case PngState::kWhole:
      break;
  }
  return Verdict::kFine;
}

// Everything that needs no decoding: the image's chunks, its size against
// the source's header (whenever the source has one), and whether it is the
// source byte for byte, as every image that no pass touched is. Only an
// image with other bytes and a whole source keeps its bytes for the alpha.
void first_look(const std::string& path, ImageState& image) {
  const SourceImage& source = *image.source;
  PngFacts facts = read_png(path, &image.bytes);
  if (facts.state != PngState::kWhole) {
    image.verdict = unwritten(facts.state);
  } else if (source.sized && (facts.width != source.width || facts.height != source.height)) {
    image.verdict = Verdict::kWrongSize;
  } else {
    image.alpha_to_compare = !source.bytes.empty() && image.bytes != source.bytes;
  }
  if (!image.alpha_to_compare) release(image.bytes);
}

// Same size as the source, so the planes match. Whole chunks around data
// that does not inflate are damaged all the same.
void compare_alpha(ImageState& image) {
  if (!image.source->decoded) return;
  PngPixels pixels;
  if (!decode_png_bytes(image.bytes.data(), image.bytes.size(), &pixels)) {
    image.verdict = Verdict::kDamaged;
  } else if (!alpha_kept(pixels, image.source->alpha)) {
    image.verdict = Verdict::kTransparencyChanged;
  }
  release(image.bytes);
}

// Runs task(0) to task(count - 1), each once, on every processor, this
// thread among them. A thread that cannot be started leaves its share to
// the others.
template <typename Task>
void on_every_processor(size_t count, const Task& task) {
  std::atomic<size_t> next{0};
  auto work = [&] {
    for (size_t i = next++; i < count; i = next++) task(i);
  };
  size_t wanted = std::min<size_t>(std::max(1u, std::thread::hardware_concurrency()), count);
  std::vector<std::thread> helpers;
  for (size_t n = 1; n < wanted; ++n) {
    try {
      helpers.emplace_back(work);
    } catch (const std::system_error&) {
      break;
    }
  }
  work();
  for (std::thread& helper : helpers) helper.join();
}

// Every distinct source, read once; the images point to theirs.
void read_sources(const std::vector<PromisedImage>& promised, std::vector<ImageState>& images,
                  Sources& sources) {
  for (size_t i = 0; i < promised.size(); ++i) images[i].source = &sources[promised[i].source];
  std::vector<Sources::value_type*> entries;
  for (Sources::value_type& entry : sources) entries.push_back(&entry);
  on_every_processor(entries.size(),
                     [&](size_t i) { read_source(entries[i]->first, entries[i]->second); });
}

// The sources that some image differs from, each decoded once; the bytes
// of the others are let go.
void decode_needed_sources(std::vector<ImageState>& images, Sources& sources) {
  for (ImageState& image : images) image.source->needed |= image.alpha_to_compare;
  std::vector<SourceImage*> needed;
  for (Sources::value_type& entry : sources) {
    if (entry.second.needed) needed.push_back(&entry.second);
    if (!entry.second.needed) release(entry.second.bytes);
  }
  on_every_processor(needed.size(), [&](size_t i) { decode_source(*needed[i]); });
}

void compare_alphas(std::vector<ImageState>& images) {
  std::vector<ImageState*> to_compare;
  for (ImageState& image : images) {
    if (image.alpha_to_compare) to_compare.push_back(&image);
  }
  on_every_processor(to_compare.size(), [&](size_t i) { compare_alpha(*to_compare[i]); });
}

void count_transparency_change(const std::string& path, bool options_may_change,
                               ImageCheck& check) {
  if (options_may_change) {
    ++check.transparency_changed_by_options;
    return;
  }
  ++check.transparency_changed;
  if (check.first_transparency_change.empty()) check.first_transparency_change = path;
}

void count_verdict(Verdict verdict, const std::string& path, bool options_may_change,
                   ImageCheck& check) {
  switch (verdict) {
    case Verdict::kFine:
      return;
    case Verdict::kMissing:
      ++check.missing;
      break;
    case Verdict::kEmpty:
      ++check.empty;
      break;
    case Verdict::kDamaged:
      ++check.damaged;
      break;
    case Verdict::kWrongSize:
      ++check.wrong_size;
      break;
    case Verdict::kTransparencyChanged:
      count_transparency_change(path, options_may_change, check);
      return;
  }
  if (check.first_problem.empty()) check.first_problem = path;
}

ImageCheck tally(const SkinSettings& settings, const std::vector<PromisedImage>& promised,
                 const std::vector<ImageState>& images) {
  ImageCheck check;
  check.promised = static_cast<int>(images.size());
  bool options_may_change = advanced_options_run(settings);
  for (size_t i = 0; i < images.size(); ++i) {
    count_verdict(images[i].verdict, promised[i].path, options_may_change, check);
  }
  return check;
}

}  // namespace

std::vector<PromisedImage> promised_images(const SkinSettings& settings) {
  Promises promises;
  promise_tree(promises, ".\\skindata\\SkinTemplate\\Images", "Images\\");
  promise_overlays(promises, settings);
  if (is_multicolor(settings)) {
    for (const Clone& clone : animation_clones()) promise_clone(promises, clone, true);
    for (const Clone& clone : file_clones()) promise_clone(promises, clone, false);
  }
  std::vector<PromisedImage> images;
  for (const auto& entry : promises) images.push_back(entry.second);
  return images;
}

bool advanced_options_run(const SkinSettings& settings) {
  if (settings.global_adjust != 2) return false;
  for (char c : settings.advanced_options) {
    if (c == '\0') return false;
    if (c != ' ') return true;
  }
  return false;
}

// Four passes, each over every processor: the sources read; the images
// read and settled as far as they can be without decoding; the sources
// those left need, decoded; and those images decoded and compared.
ImageCheck check_skin_images(const SkinSettings& settings) {
  std::vector<PromisedImage> promised = promised_images(settings);
  std::vector<ImageState> images(promised.size());
  Sources sources;
  read_sources(promised, images, sources);
  std::string skin = std::string(".\\") + settings.skin_name + "\\";
  on_every_processor(images.size(), [&](size_t i) {
    first_look(native_path((skin + promised[i].path).c_str()), images[i]);
  });
  decode_needed_sources(images, sources);
  compare_alphas(images);
  return tally(settings, promised, images);
}
