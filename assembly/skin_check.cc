#include "assembly/skin_check.h"

#include <cctype>
#include <cstdint>
#include <filesystem>
#include <map>
#include <system_error>

#include "assembly/file_structure.h"
#include "assembly/png_file.h"
#include "platform/native_path.h"
#include "platform/wildcard.h"

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

// A cloned animation folder: its files renamed from the source's name to
// the clone's where they begin with it.
void promise_animation_clone(Promises& promises, const AnimationClone& clone) {
  std::string name = retagged(clone.source, clone.tag);
  std::string to = std::string("Images\\Animations\\") + name + "\\";
  std::string pattern = std::string(clone.source) + "*.png";
  for (const auto& [file, image] :
       images_in(promises, std::string("Images\\Animations\\") + clone.source)) {
    bool renamed = wildcard_match(pattern, file);
    promise(promises, to + (renamed ? wildcard_destination_name(file, name + "*.png") : file),
            image.source);
  }
}

void promise_file_clone(Promises& promises, const FileClone& clone) {
  std::string destination = retagged(clone.pattern, clone.tag);
  for (const auto& [file, image] : images_in(promises, clone.folder)) {
    if (!wildcard_match(clone.pattern, file)) continue;
    promise(promises,
            std::string(clone.folder) + "\\" + wildcard_destination_name(file, destination),
            image.source);
  }
}

// The image's problem, counted; true when it is fine.
bool check_image(const std::string& skin_name, const PromisedImage& image, ImageCheck& check) {
  std::string path = native_path((".\\" + skin_name + "\\" + image.path).c_str());
  PngFacts facts = inspect_png(path);
  std::uint32_t width = 0, height = 0;
  switch (facts.state) {
    case PngState::kMissing:
      ++check.missing;
      return false;
    case PngState::kEmpty:
      ++check.empty;
      return false;
    case PngState::kDamaged:
      ++check.damaged;
      return false;
    case PngState::kWhole:
      break;
  }
  if (!read_png_size(image.source, &width, &height)) return true;
  if (facts.width == width && facts.height == height) return true;
  ++check.wrong_size;
  return false;
}

}  // namespace

std::vector<PromisedImage> promised_images(const SkinSettings& settings) {
  Promises promises;
  promise_tree(promises, ".\\skindata\\SkinTemplate\\Images", "Images\\");
  promise_overlays(promises, settings);
  if (is_multicolor(settings)) {
    for (const AnimationClone& clone : kAnimationClones) promise_animation_clone(promises, clone);
    for (const FileClone& clone : kFileClones) promise_file_clone(promises, clone);
  }
  std::vector<PromisedImage> images;
  for (const auto& entry : promises) images.push_back(entry.second);
  return images;
}

ImageCheck check_skin_images(const SkinSettings& settings) {
  ImageCheck check;
  for (const PromisedImage& image : promised_images(settings)) {
    ++check.promised;
    if (!check_image(settings.skin_name, image, check) && check.first_problem.empty()) {
      check.first_problem = image.path;
    }
  }
  return check;
}
