#include "wizard/skin_paths.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "assembly/previous_skin.h"
#include "assembly/skin_check.h"
#include "platform/file_system.h"
#include "platform/path_limits.h"
#include "platform/paths.h"

namespace {

namespace fs = std::filesystem;

struct Deepest {
  size_t file = 0;
  size_t folder = 0;
};

// The longest path, as the system counts it, of anything below the folder
// (local form). Each folder's names give its entries' lengths, so a folder
// too deep to be listed still counts by its own path. Links are not
// followed: one that leads back up would only add depth.
size_t deepest_entry_below(const std::string& folder, size_t limit) {
  size_t deepest = 0;
  std::error_code error;
  for (fs::directory_iterator it(fs_path(folder), error), end; !error && it != end;
       it.increment(error)) {
    std::string entry = join_path(folder, path_text(it->path().filename()));
    size_t length = counted_path_length(entry);
    deepest = std::max(deepest, length);
    std::error_code ignored;
    if (length <= limit && !it->is_symlink(ignored) && it->is_directory(ignored)) {
      deepest = std::max(deepest, deepest_entry_below(entry, limit));
    }
  }
  return deepest;
}

// The longest file and folder paths of the skin's images below the folder
// (interpreter form).
Deepest deepest_images_below(const std::string& folder, const std::vector<PromisedImage>& images) {
  Deepest deepest;
  for (const PromisedImage& image : images) {
    std::string file = local_path(folder + "\\" + image.path);
    deepest.file = std::max(deepest.file, counted_path_length(file));
    deepest.folder = std::max(deepest.folder, counted_path_length(folder_of(file)));
  }
  return deepest;
}

std::string too_long(const std::string& what, size_t length, size_t limit, const char* remedy) {
  return what + " have paths of up to " + std::to_string(length) + " characters, more than the " +
         std::to_string(limit) + " the system allows: " + remedy + ".";
}

const char kNearerTheRoot[] = "start the program in a folder nearer the root of the disk";
const char kShorterName[] =
    "choose a shorter skin name, or start the program in a folder nearer the root of the disk";

// What the build reads: the template and its overlays. When these are
// out of reach, so is part of what the skin is checked against.
std::string skindata_problem(const PathLimits& limits) {
  size_t deepest = deepest_entry_below("skindata", limits.file_path);
  if (deepest <= limits.file_path) return std::string();
  return too_long("The files in skindata", deepest, limits.file_path, kNearerTheRoot);
}

Deepest deepest_skin_paths(const std::string& name, const SkinSettings& settings) {
  std::vector<PromisedImage> images = promised_images(settings);
  Deepest deepest = deepest_images_below(".\\" + name, images);
  if (existing_folder(name.c_str()) == ExistingFolder::kSkin) {
    // Moved there whole: only its files' paths grow, and removing it
    // must reach each of them.
    Deepest aside = deepest_images_below(std::string(kPreviousSkinFolder) + "\\" + name, images);
    deepest.file = std::max(deepest.file, aside.file);
  }
  return deepest;
}

}  // namespace

std::string skin_path_problem(const SkinSettings& settings) {
  PathLimits limits = path_limits();
  size_t name_length = strnlen(settings.skin_name, sizeof settings.skin_name);
  if (name_length > limits.name) {
    return "The skin name is longer than the " + std::to_string(limits.name) +
           " characters a name may have here: choose a shorter skin name.";
  }
  if (std::string problem = skindata_problem(limits); !problem.empty()) return problem;
  Deepest deepest = deepest_skin_paths(std::string(settings.skin_name, name_length), settings);
  if (deepest.file > limits.file_path) {
    return too_long("The skin's files would", deepest.file, limits.file_path, kShorterName);
  }
  if (deepest.folder > limits.folder_path) {
    return too_long("The skin's folders would", deepest.folder, limits.folder_path, kShorterName);
  }
  return std::string();
}
