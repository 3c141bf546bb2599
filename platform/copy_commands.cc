// xcopy and copy, the two built-ins that copy files.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/builtins.h"
#include "platform/descriptors.h"
#include "platform/file_system.h"
#include "platform/path_limits.h"
#include "platform/paths.h"
#include "platform/wildcard.h"

namespace {

struct CopyJob {
  std::string source;       // local path, as written
  std::string destination;  // local path, as written
  bool recurse = false;     // xcopy /S or /E
  bool keep_empty = false;  // xcopy /E
  bool quiet = false;       // xcopy /Q: no file listing
  StandardStreams streams;
  mutable bool failed = false;  // some file or folder could not be copied
};

// Where the files of a wildcard or single-file copy go: a folder, and either
// a fixed name, a wildcard name, or (empty) the source's own name.
struct CopyTarget {
  std::string folder;
  std::string name_rule;
};

void say(int fd, const std::string& message) {
  write_text(fd, message + "\n");
}

std::string target_name(const std::string& source_name, const std::string& rule) {
  if (rule.empty()) return source_name;
  return has_wildcard(rule) ? wildcard_destination_name(source_name, rule) : rule;
}

bool too_long_for_system(const std::string& path) {
  return counted_path_length(path) > path_limits().file_path;
}

// Past MAX_PATH Windows' file functions mostly say the path is not found;
// the message names the real cause.
const char* copy_failure_message(const std::error_code& failure, const std::string& from,
                                 const std::string& to) {
  if (too_long_for_system(from) || too_long_for_system(to)) {
    return failure_message(std::make_error_code(std::errc::filename_too_long));
  }
  return failure_message(failure);
}

// Copies one file over whatever is there; the messages are xcopy's or copy's.
bool copy_file_to(const std::string& from, const std::string& to, const char* onto_itself,
                  const StandardStreams& streams) {
  if (same_file(from, to)) {
    say(streams.error, onto_itself);
    return false;
  }
  std::error_code failure;
  copy_file_over(from, to, failure);
  if (failure) say(streams.error, copy_failure_message(failure, from, to));
  return !failure;
}

int copy_tree(const std::string& from, const std::string& to, bool fresh, const CopyJob& job);

// One subfolder of a tree copy. A folder made for it and left empty is
// removed again unless empty folders are kept (/S without /E).
int copy_subfolder(const std::string& from, const std::string& to, const CopyJob& job) {
  bool created = !is_folder(to);
  if (created && !make_folders(to)) {
    say(job.streams.error, "Unable to create directory - " + windows_form(to));
    job.failed = true;
    return 0;
  }
  int copied = copy_tree(from, to, created, job);
  std::error_code ignored;
  if (created && copied == 0 && !job.keep_empty) std::filesystem::remove(fs_path(to), ignored);
  return copied;
}

// Copies the folder `from` into `to`. In a folder made by this copy (fresh)
// no name needs looking up in other cases.
int copy_tree(const std::string& from, const std::string& to, bool fresh, const CopyJob& job) {
  int copied = 0;
  for (const std::string& name : folder_entries(from)) {
    std::string source = join_path(from, name);
    std::string target = fresh ? join_path(to, name) : find_path(join_path(to, name));
    if (is_folder(source)) {
      if (job.recurse) copied += copy_subfolder(source, target, job);
      continue;
    }
    if (!job.quiet) say(job.streams.output, windows_form(source));
    if (copy_file_to(source, target, "File cannot be copied onto itself", job.streams)) {
      ++copied;
    } else {
      job.failed = true;
    }
  }
  return copied;
}

// Compared name by name, so that a separator of either kind counts; a path
// that cannot be resolved lies nowhere. weakly_canonical gives an empty
// path, and no error, for a folder that exists but whose full path the
// system then cannot find (past Windows' MAX_PATH, say); and an empty path
// is the start of every other, which made any copy "cyclic".
bool lies_within(const std::string& inner, const std::string& outer) {
  std::error_code failure;
  std::filesystem::path a = std::filesystem::weakly_canonical(fs_path(inner), failure);
  if (failure || a.empty()) return false;
  std::filesystem::path b = std::filesystem::weakly_canonical(fs_path(outer), failure);
  if (failure || b.empty()) return false;
  return std::mismatch(a.begin(), a.end(), b.begin(), b.end()).second == b.end();
}

int xcopy_folder(const std::string& source, const CopyJob& job) {
  std::string destination = find_path(without_final_slash(job.destination));
  if (too_long_for_system(source) || too_long_for_system(destination)) {
    say(job.streams.error, failure_message(std::make_error_code(std::errc::filename_too_long)));
    job.failed = true;
    return 0;
  }
  if (lies_within(destination, source)) {
    say(job.streams.error, "Cannot perform a cyclic copy");
    job.failed = true;
    return 0;
  }
  bool created = !is_folder(destination);
  if (created && !make_folders(destination)) {
    say(job.streams.error, "Unable to create directory - " + windows_form(destination));
    job.failed = true;
    return 0;
  }
  return copy_tree(source, destination, created, job);
}

// A destination ending in a separator, or naming a folder, takes the files
// under their own names; a wildcard renames them; any other name is the new
// name of a single file. (Where Windows' xcopy would ask whether such a name
// is a file or a folder, several files make it a folder.)
CopyTarget copy_target(const std::string& destination, size_t file_count) {
  std::string name = name_of(destination);
  if (has_wildcard(name)) return {folder_of(destination), name};
  if (name.empty() || is_folder(find_path(destination)) || file_count > 1) return {destination, ""};
  return {folder_of(destination), name};
}

int xcopy_files(const CopyJob& job) {
  std::string folder = find_path(folder_of(job.source));
  std::string pattern = name_of(job.source);
  std::vector<std::string> names =
      is_folder(folder) ? matching_files(folder, pattern) : std::vector<std::string>();
  if (names.empty()) {
    say(job.streams.error, "File not found - " + pattern);
    job.failed = true;
    return 0;
  }
  CopyTarget target = copy_target(job.destination, has_wildcard(pattern) ? 2 : names.size());
  if (!make_folders(target.folder)) {
    say(job.streams.error, "Unable to create directory - " + windows_form(target.folder));
    job.failed = true;
    return 0;
  }
  std::string target_folder = find_path(target.folder);
  int copied = 0;
  for (const std::string& name : names) {
    std::string source = join_path(folder, name);
    std::string to = find_path(join_path(target_folder, target_name(name, target.name_rule)));
    if (!job.quiet) say(job.streams.output, windows_form(source));
    if (copy_file_to(source, to, "File cannot be copied onto itself", job.streams)) {
      ++copied;
    } else {
      job.failed = true;
    }
  }
  return copied;
}

// The files a copy source stands for; a folder stands for its files.
std::vector<std::string> copy_sources(const std::string& source, std::string& folder,
                                      bool& listed) {
  folder = find_path(folder_of(source));
  std::string pattern = name_of(source);
  listed = has_wildcard(pattern);
  if (!listed && is_folder(find_path(source))) {
    folder = find_path(source);
    pattern = "*";
    listed = true;
  }
  return is_folder(folder) ? matching_files(folder, pattern) : std::vector<std::string>();
}

// Prints copy's count; returns its exit status, which is 1 when something
// was not copied.
int say_copied(int count, bool failed, const StandardStreams& streams) {
  char line[64];
  std::snprintf(line, sizeof line, "%9d file(s) copied.", count);
  say(streams.output, line);
  return failed ? 1 : 0;
}

}  // namespace

// xcopy's exit status: 0 when everything was copied, 4 when it could not
// start (bad parameters, nothing found), 5 when a file could not be written.
int run_xcopy(const std::vector<std::string>& arguments, const StandardStreams& streams) {
  CommandArguments parsed = split_arguments(arguments);
  int copied = 0;
  int status = 0;
  if (parsed.paths.empty() || parsed.paths.size() > 2) {
    say(streams.error, "Invalid number of parameters");
    status = 4;
  } else {
    CopyJob job{parsed.paths[0],
                parsed.paths.size() > 1 ? parsed.paths[1] : ".",
                parsed.has('s') || parsed.has('e'),
                parsed.has('e'),
                parsed.has('q'),
                streams};
    std::string source = find_path(without_final_slash(job.source));
    bool whole_folder = !has_wildcard(name_of(job.source)) && is_folder(source);
    copied = whole_folder ? xcopy_folder(source, job) : xcopy_files(job);
    if (job.failed) status = copied == 0 ? 4 : 5;
  }
  say(streams.output, std::to_string(copied) + " File(s) copied");
  return status;
}

int run_copy(const std::vector<std::string>& arguments, const StandardStreams& streams) {
  CommandArguments parsed = split_arguments(arguments);
  if (parsed.paths.empty() || parsed.paths.size() > 2) return say_syntax_error(streams);
  std::string folder;
  bool listed = false;
  std::vector<std::string> names = copy_sources(parsed.paths[0], folder, listed);
  if (names.empty()) {
    say_file_not_found(streams);
    return say_copied(0, true, streams);
  }
  CopyTarget target = copy_target(parsed.paths.size() > 1 ? parsed.paths[1] : ".", names.size());
  std::string target_folder = find_path(target.folder);
  if (!is_folder(target_folder)) {
    say_path_not_found(streams);
    return say_copied(0, true, streams);
  }
  int copied = 0;
  for (const std::string& name : names) {
    std::string to = find_path(join_path(target_folder, target_name(name, target.name_rule)));
    if (listed) say(streams.output, windows_form(join_path(folder, name)));
    if (copy_file_to(join_path(folder, name), to, "The file cannot be copied onto itself.",
                     streams)) {
      ++copied;
    }
  }
  return say_copied(copied, copied < static_cast<int>(names.size()), streams);
}
