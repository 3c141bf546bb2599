#include "assembly/skin_install.h"

#include <cstdio>
#include <system_error>

#include "assembly/commands.h"
#include "assembly/folder_access.h"
#include "assembly/previous_skin.h"
#include "platform/file_moves.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/plugin_folders.h"

namespace {

// The three names an install uses in the Themes folder, in the local form.
struct InstallPaths {
  std::string themes;
  std::string theme;       // Themes/<name>
  std::string installing;  // the copy until it is complete
  std::string previous;    // a theme of that name, until the new one is in
};

InstallPaths install_paths(const char* skin_name, const std::string& themes) {
  std::string name = skin_name;
  return InstallPaths{themes, join_path(themes, name), join_path(themes, "." + name + ".installing"),
                      join_path(themes, "." + name + ".previous")};
}

// Paths outside the working folder are written in the command lines as
// Windows writes them, with backslashes, on every system: the interpreter
// turns each backslash into the system's separator, and a POSIX path that
// began with "/" would be taken for a switch ("/home" as /H /O /M /E). So a
// path that holds a double quote, or on POSIX a backslash in a name,
// cannot be written in a command line.
bool fits_command_line(const std::string& folder) {
  std::string written = windows_form(folder);
  return written.find('"') == std::string::npos &&
         folder_identity(local_path(written)) == folder_identity(folder);
}

int remove_folder(const std::string& folder) {
  char line[kCommandBufferSize];
  format_command(line, "rmdir /S /Q \"%s\" 1>NUL 2>NUL", windows_form(folder).c_str());
  return run_command(line);
}

// The skin is copied by the interpreter's xcopy, as every copy of a skin
// is, into a folder that it makes.
bool copy_skin(const char* skin_name, const std::string& installing) {
  char line[kCommandBufferSize];
  format_command(line, "xcopy /y /q /e \".\\%s\" \"%s\\\" >NUL", skin_name,
                 windows_form(installing).c_str());
  return run_command(line) == 0;
}

// What an install cut short left behind: the theme it had moved aside
// comes back when nothing took its place; what is aside beside a theme,
// and a temporary copy, are only to go.
void tidy_leftovers(const InstallPaths& paths) {
  std::error_code failure;
  if (path_exists(paths.previous) && !path_exists(paths.theme)) {
    rename_path(paths.previous, paths.theme, failure);
  }
  if (path_exists(paths.previous)) remove_folder(paths.previous);
  if (path_exists(paths.installing)) remove_folder(paths.installing);
}

std::string reason_for(const std::string& themes, const std::error_code& failure) {
  const char* reason = failure ? file_failure_reason(failure) : nullptr;
  if (reason == nullptr) reason = folder_write_problem(themes.c_str());
  return reason != nullptr ? reason : "the copy failed";
}

void say_cannot_write(const char* skin_name, const InstallPaths& paths) {
  std::printf(
      "Cannot install into %s (no write access): start the program as a user who may write "
      "there (on Windows, as administrator), or move the %s folder there by hand.\n",
      shown_path(paths.themes).c_str(), skin_name);
}

void say_failed(const char* skin_name, const InstallPaths& paths, const std::string& reason) {
  std::printf("Cannot install into %s (%s): it is as it was; move the %s folder there by hand.\n",
              shown_path(paths.themes).c_str(), reason.c_str(), skin_name);
}

void say_in_the_way(const InstallPaths& paths, ExistingFolder existing) {
  const char* what = existing == ExistingFolder::kLink
                         ? "is a link"
                         : "is not a skin (it has no Images and Scripts folders)";
  std::printf("Not installed: %s %s, and it is left as it is.\n", shown_path(paths.theme).c_str(),
              what);
}

// The complete copy takes the theme's place; the theme it replaces is
// moved aside until then and put back when the new one cannot go in.
bool swap_in(const InstallPaths& paths, bool replacing, std::error_code& failure) {
  if (replacing && rename_path(paths.theme, paths.previous, failure) != RenameResult::kRenamed) {
    return false;
  }
  if (rename_path(paths.installing, paths.theme, failure) == RenameResult::kRenamed) {
    if (replacing) remove_folder(paths.previous);
    return true;
  }
  std::error_code ignored;
  if (replacing) rename_path(paths.previous, paths.theme, ignored);
  return false;
}

}  // namespace

bool install_skin(const char* skin_name, const std::string& themes_folder) {
  InstallPaths paths = install_paths(skin_name, themes_folder);
  if (!fits_command_line(paths.themes)) {
    say_failed(skin_name, paths, "its path cannot be written in a command line");
    return false;
  }
  tidy_leftovers(paths);
  ExistingFolder existing = existing_folder_at(paths.theme);
  if (existing == ExistingFolder::kLink || existing == ExistingFolder::kOther) {
    say_in_the_way(paths, existing);
    return false;
  }
  const char* problem = folder_write_problem(paths.themes.c_str());
  if (problem == kNoWriteAccess) {
    say_cannot_write(skin_name, paths);
    return false;
  }
  if (problem != nullptr) {
    say_failed(skin_name, paths, problem);
    return false;
  }
  std::error_code failure;
  bool replacing = existing == ExistingFolder::kSkin;
  if (!copy_skin(skin_name, paths.installing) || !swap_in(paths, replacing, failure)) {
    // Told before the copy goes: a full disk shows only while it is there.
    std::string reason = reason_for(paths.themes, failure);
    remove_folder(paths.installing);
    say_failed(skin_name, paths, reason);
    return false;
  }
  std::printf("The skin is now in %s%s; the synthesizer shows it in its theme menu.\n",
              shown_path(paths.theme).c_str(), replacing ? ", in place of the older one" : "");
  return true;
}
