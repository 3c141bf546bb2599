#include "platform/builtins.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "platform/descriptors.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/wildcard.h"

namespace {

struct NamedBuiltin {
  const char* name;
  Builtin run;
};

const NamedBuiltin kBuiltins[] = {
    {"cls", run_cls},   {"rmdir", run_rmdir},     {"rd", run_rmdir},   {"xcopy", run_xcopy},
    {"copy", run_copy}, {"ren", run_ren},         {"rename", run_ren}, {"del", run_del},
    {"erase", run_del}, {"findstr", run_findstr},
};

void say(int fd, const std::string& message) {
  write_text(fd, message + "\n");
}

// Writes an error message; returns the command's failing exit status.
int fail(const StandardStreams& streams, const std::string& message) {
  say(streams.error, message);
  return 1;
}

int say_missing(const std::string& path, const StandardStreams& streams) {
  return is_folder(folder_of(path)) ? say_file_not_found(streams) : say_path_not_found(streams);
}

int remove_folder(const std::string& path, bool tree, const StandardStreams& streams) {
  std::string found = find_path(without_final_slash(path));
  if (!path_exists(found)) return say_missing(found, streams);
  if (!is_folder(found)) return fail(streams, "The directory name is invalid.");
  std::error_code failure;
  if (tree) {
    std::filesystem::remove_all(fs_path(found), failure);
    if (failure) return fail(streams, failure_message(failure));
  } else if (!std::filesystem::remove(fs_path(found), failure) || failure) {
    if (!folder_entries(found).empty()) return fail(streams, "The directory is not empty.");
    return fail(streams, failure_message(failure));
  }
  return 0;
}

int rename_one(const std::string& folder, const std::string& name, const std::string& new_name,
               const StandardStreams& streams) {
  std::string from = join_path(folder, name);
  std::string to = join_path(folder, new_name);
  if (path_exists(find_path(to)) && !same_file(from, find_path(to))) {
    return fail(streams, "A duplicate file name exists, or the file cannot be found.");
  }
  std::error_code failure;
  std::filesystem::rename(fs_path(from), fs_path(to), failure);
  return failure ? fail(streams, failure_message(failure)) : 0;
}

// The names a ren or del argument stands for: every file its wildcard
// matches, or the one entry of that name in any case.
std::vector<std::string> named_entries(const std::string& folder, const std::string& pattern) {
  if (has_wildcard(pattern)) return matching_files(folder, pattern);
  std::string found = find_path(join_path(folder, pattern));
  if (pattern.empty() || !path_exists(found)) return {};
  return {name_of(found)};
}

std::string absolute_form(const std::string& path) {
  std::error_code error;
  return path_text(std::filesystem::absolute(fs_path(path), error).lexically_normal());
}

// Where Windows' del asks "Are you sure (Y/N)?" (a whole folder, "*" or
// "*.*" without /Q) there is nobody to answer here, so the question is shown
// with the answer N and nothing is deleted.
int delete_matching(const std::string& path, bool quiet, const StandardStreams& streams) {
  std::string folder = find_path(folder_of(path));
  std::string pattern = name_of(path);
  if (!is_folder(folder)) return say_path_not_found(streams);
  if (!has_wildcard(pattern) && is_folder(find_path(path))) {
    folder = find_path(path);
    pattern = "*";
  }
  if (!quiet && (pattern == "*" || pattern == "*.*")) {
    say(streams.output, absolute_form(join_path(folder, pattern)) + ", Are you sure (Y/N)? N");
    return 0;
  }
  std::vector<std::string> names = matching_files(folder, pattern);
  if (names.empty()) {
    return fail(streams, "Could Not Find " + absolute_form(join_path(folder, pattern)));
  }
  int status = 0;
  for (const std::string& name : names) {
    std::error_code failure;
    if (!std::filesystem::remove(fs_path(join_path(folder, name)), failure) || failure)
      status = fail(streams, failure_message(failure));
  }
  return status;
}

bool contains(const std::string& line, const std::string& word, bool any_case) {
  if (!any_case) return line.find(word) != std::string::npos;
  for (size_t start = 0; start + word.size() <= line.size(); ++start) {
    if (same_name_any_case(line.substr(start, word.size()), word)) return true;
  }
  return false;
}

std::vector<std::string> split_words(const std::string& text) {
  std::vector<std::string> words;
  size_t start = 0;
  while ((start = text.find_first_not_of(" \t", start)) != std::string::npos) {
    size_t end = text.find_first_of(" \t", start);
    words.push_back(text.substr(start, end - start));
    start = end;
  }
  return words;
}

struct SearchRequest {
  std::vector<std::string> words;
  std::vector<std::string> files;
  bool any_case = false;
  bool inverted = false;
  bool has_text = false;
};

SearchRequest read_search_request(const std::vector<std::string>& arguments) {
  SearchRequest request;
  for (const std::string& argument : arguments) {
    std::string lower = argument;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "/i") {
      request.any_case = true;
    } else if (lower == "/v") {
      request.inverted = true;
    } else if (lower.compare(0, 3, "/c:") == 0) {
      request.words.clear();
      if (argument.size() > 3) request.words.push_back(argument.substr(3));
      request.has_text = true;
    } else if (!lower.empty() && lower[0] == '/') {
      continue;  // other switches change nothing for the searches made here
    } else if (!request.has_text) {
      request.words = split_words(argument);
      request.has_text = true;
    } else {
      request.files.push_back(local_path(argument));
    }
  }
  return request;
}

// The text findstr searches: its files one after the other, or its input.
std::string read_search_input(const SearchRequest& request, const StandardStreams& streams) {
  if (request.files.empty()) return read_all(streams.input);
  std::string text;
  for (const std::string& file : request.files) {
    std::error_code failure;
    int in = open_descriptor(find_path(file), OpenFor::kReading, failure);
    if (in < 0) {
      write_text(streams.error, "FINDSTR: Cannot open " + windows_form(file) + "\n");
      continue;
    }
    text += read_all(in);
    if (!text.empty() && text.back() != '\n') text += '\n';
    close_descriptor(in);
  }
  return text;
}

bool line_matches(const std::string& line, const SearchRequest& request) {
  bool found = false;
  for (const std::string& word : request.words) {
    found = found || contains(line, word, request.any_case);
  }
  return found != request.inverted;
}

}  // namespace

Builtin find_builtin(const std::string& name) {
  for (const NamedBuiltin& builtin : kBuiltins) {
    if (same_name_any_case(builtin.name, name)) return builtin.run;
  }
  return nullptr;
}

CommandArguments split_arguments(const std::vector<std::string>& arguments) {
  CommandArguments result;
  for (const std::string& argument : arguments) {
    if (argument.size() >= 2 && argument[0] == '/') {
      for (size_t i = 1; i < argument.size(); ++i) {
        if (argument[i] != '/') {
          result.switches +=
              static_cast<char>(std::tolower(static_cast<unsigned char>(argument[i])));
        }
      }
    } else {
      result.paths.push_back(local_path(argument));
    }
  }
  return result;
}

std::vector<std::string> matching_files(const std::string& folder, const std::string& pattern) {
  std::vector<std::string> names;
  for (const std::string& name : folder_entries(folder)) {
    if (wildcard_match(pattern, name) && is_file(join_path(folder, name))) names.push_back(name);
  }
  return names;
}

const char* failure_message(const std::error_code& failure) {
  switch (failure_kind(failure)) {
    case FileFailure::kNoSpace:
      return "There is not enough space on the disk.";
    case FileFailure::kNotFound:
      return "The system cannot find the path specified.";
    case FileFailure::kNameTooLong:
      return "The filename or extension is too long.";
    case FileFailure::kNoAccess:
    case FileFailure::kOther:
      break;
  }
  return "Access is denied.";
}

int say_syntax_error(const StandardStreams& streams) {
  return fail(streams, "The syntax of the command is incorrect.");
}

int say_file_not_found(const StandardStreams& streams) {
  return fail(streams, "The system cannot find the file specified.");
}

int say_path_not_found(const StandardStreams& streams) {
  return fail(streams, "The system cannot find the path specified.");
}

int run_cls(const std::vector<std::string>&, const StandardStreams& streams) {
  clear_terminal(streams.output);
  return 0;
}

int run_rmdir(const std::vector<std::string>& arguments, const StandardStreams& streams) {
  CommandArguments parsed = split_arguments(arguments);
  if (parsed.paths.empty()) return say_syntax_error(streams);
  int status = 0;
  for (const std::string& path : parsed.paths) {
    if (remove_folder(path, parsed.has('s'), streams) != 0) status = 1;
  }
  return status;
}

int run_ren(const std::vector<std::string>& arguments, const StandardStreams& streams) {
  CommandArguments parsed = split_arguments(arguments);
  if (parsed.paths.size() != 2 || parsed.paths[1].find('/') != std::string::npos) {
    return say_syntax_error(streams);
  }
  std::string folder = find_path(folder_of(parsed.paths[0]));
  if (!is_folder(folder)) return say_path_not_found(streams);
  const std::string& new_pattern = parsed.paths[1];
  std::vector<std::string> names = named_entries(folder, name_of(parsed.paths[0]));
  if (names.empty()) return say_file_not_found(streams);
  int status = 0;
  for (const std::string& name : names) {
    std::string new_name =
        has_wildcard(new_pattern) ? wildcard_destination_name(name, new_pattern) : new_pattern;
    if (rename_one(folder, name, new_name, streams) != 0) status = 1;
  }
  return status;
}

int run_del(const std::vector<std::string>& arguments, const StandardStreams& streams) {
  CommandArguments parsed = split_arguments(arguments);
  if (parsed.paths.empty()) return say_syntax_error(streams);
  int status = 0;
  for (const std::string& path : parsed.paths) {
    if (delete_matching(path, parsed.has('q'), streams) != 0) status = 1;
  }
  return status;
}

// Like findstr, 1 when no line matched.
int run_findstr(const std::vector<std::string>& arguments, const StandardStreams& streams) {
  SearchRequest request = read_search_request(arguments);
  if (request.words.empty()) return fail(streams, "FINDSTR: Bad command line");
  std::string text = read_search_input(request, streams);
  bool found = false;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (line_matches(line, request)) {
      write_text(streams.output, line + "\n");
      found = true;
    }
    start = end + 1;
  }
  return found ? 0 : 1;
}
