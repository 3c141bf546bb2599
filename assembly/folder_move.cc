#include "assembly/folder_move.h"

#include <cstdint>
#include <filesystem>
#include <vector>

#include "platform/file_moves.h"
#include "platform/file_system.h"
#include "platform/paths.h"

namespace {

namespace fs = std::filesystem;

enum class EntryKind { kLink, kFolder, kFile, kOther };

EntryKind kind_of(const std::string& path) {
  std::string target;
  if (is_link(path, target)) return EntryKind::kLink;
  if (is_folder(path)) return EntryKind::kFolder;
  std::error_code error;
  if (fs::is_regular_file(fs_path(path), error)) return EntryKind::kFile;
  return EntryKind::kOther;
}

bool copy_entry(const std::string& from, const std::string& to, std::error_code& failure);

bool copy_folder(const std::string& from, const std::string& to, std::error_code& failure) {
  if (!fs::create_directory(fs_path(to), failure) && !failure) {
    failure = std::make_error_code(std::errc::file_exists);
  }
  if (failure) return false;
  for (const std::string& name : folder_entries(from)) {
    if (!copy_entry(join_path(from, name), join_path(to, name), failure)) return false;
  }
  return true;
}

// A link is copied as a link: the copy points where the original did.
bool copy_entry(const std::string& from, const std::string& to, std::error_code& failure) {
  switch (kind_of(from)) {
    case EntryKind::kLink:
      fs::copy_symlink(fs_path(from), fs_path(to), failure);
      break;
    case EntryKind::kFolder:
      return copy_folder(from, to, failure);
    case EntryKind::kFile:
      copy_file_over(from, to, failure);
      break;
    case EntryKind::kOther:  // a FIFO or a device: not part of a skin
      failure = std::make_error_code(std::errc::not_supported);
      break;
  }
  return !failure;
}

bool same_size(const std::string& a, const std::string& b) {
  std::error_code error_a, error_b;
  std::uintmax_t size_a = fs::file_size(fs_path(a), error_a);
  std::uintmax_t size_b = fs::file_size(fs_path(b), error_b);
  return !error_a && !error_b && size_a == size_b;
}

// Whether the copy holds what the original holds, entry by entry. The
// bytes were checked as they were written (copy_file_over reports any
// failure); what a silent failure would leave is a missing or short file.
bool same_tree(const std::string& original, const std::string& copy) {
  EntryKind kind = kind_of(original);
  if (kind != kind_of(copy)) return false;
  if (kind == EntryKind::kFile) return same_size(original, copy);
  if (kind != EntryKind::kFolder) return true;
  std::vector<std::string> names = folder_entries(original);
  if (names.size() != folder_entries(copy).size()) return false;
  for (const std::string& name : names) {
    if (!same_tree(join_path(original, name), join_path(copy, name))) return false;
  }
  return true;
}

bool copy_across(const std::string& from, const std::string& to, std::error_code& failure) {
  if (copy_folder(from, to, failure) && same_tree(from, to)) return true;
  if (!failure) failure = std::make_error_code(std::errc::io_error);
  std::error_code ignored;
  remove_tree(to, ignored);
  return false;
}

}  // namespace

bool move_folder(const std::string& from, const std::string& to, const CopyAgreed& copied,
                 std::error_code& failure) {
  RenameResult renamed = rename_path(from, to, failure);
  if (renamed != RenameResult::kOtherFileSystem) return renamed == RenameResult::kRenamed;
  if (!copy_across(from, to, failure)) return false;
  if (!copied(failure)) {
    std::error_code ignored;
    remove_tree(to, ignored);
    return false;
  }
  return remove_tree(from, failure);
}

bool remove_tree(const std::string& path, std::error_code& failure) {
  failure.clear();
  EntryKind kind = kind_of(path);
  // A link that leads nowhere is there all the same.
  if (kind != EntryKind::kLink && !path_exists(path)) return true;
  if (kind == EntryKind::kFolder) {
    for (const std::string& name : folder_entries(path)) {
      if (!remove_tree(join_path(path, name), failure)) return false;
    }
  }
  fs::remove(fs_path(path), failure);
  return !failure;
}
