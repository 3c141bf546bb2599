#include <io.h>

#include <algorithm>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/launcher.h"

namespace {

std::wstring wide(const std::string& text) {
  return fs_path(text).native();
}

std::string with_backslashes(std::string path) {
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

bool is_file(const std::string& path) {
  DWORD attributes = GetFileAttributesW(wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool has_extension(const std::string& path) {
  size_t dot = path.rfind('.');
  size_t separator = path.find_last_of("\\/");
  return dot != std::string::npos && (separator == std::string::npos || dot > separator);
}

// The file a program word names: as written, else with ".exe" added, as
// Windows starts "tool" from "tool.exe"; a word without a folder is looked
// up in PATH. Empty when there is none.
std::string program_file(const std::string& word) {
  if (word.find_first_of("\\/:") == std::string::npos) return find_program_in_path(word);
  std::string path = with_backslashes(word);
  if (is_file(path)) return path;
  if (!has_extension(path) && is_file(path + ".exe")) return path + ".exe";
  return std::string();
}

// An inheritable copy of the handle behind a descriptor, for the child
// only; nullptr when the descriptor is not open.
HANDLE inheritable(int fd) {
  HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
  HANDLE copy = nullptr;
  if (handle == INVALID_HANDLE_VALUE ||
      !DuplicateHandle(GetCurrentProcess(), handle, GetCurrentProcess(), &copy, 0, TRUE,
                       DUPLICATE_SAME_ACCESS)) {
    return nullptr;
  }
  return copy;
}

struct ChildHandles {
  HANDLE streams[3] = {nullptr, nullptr, nullptr};
  ~ChildHandles() {
    for (HANDLE handle : streams) {
      if (handle != nullptr) CloseHandle(handle);
    }
  }
};

int exit_code_of(HANDLE process) {
  DWORD code = 0;
  int result = GetExitCodeProcess(process, &code) ? static_cast<int>(code) : -1;
  CloseHandle(process);
  return result;
}

ProcessId create_process(const std::string& program, const std::vector<std::string>& arguments,
                         STARTUPINFOW& startup, DWORD flags, bool inherit) {
  std::vector<std::string> words = arguments;
  words[0] = program;
  std::wstring line = wide(windows_command_line(words));
  PROCESS_INFORMATION child = {};
  if (!CreateProcessW(wide(program).c_str(), &line[0], nullptr, nullptr, inherit, flags, nullptr,
                      nullptr, &startup, &child)) {
    return kNoProcess;
  }
  CloseHandle(child.hThread);
  return reinterpret_cast<ProcessId>(child.hProcess);
}

}  // namespace

bool is_program_file(const std::string& path) {
  return is_file(path);
}

// The child takes inheritable copies of the three handles; the program
// starts children from one thread, so no other command's copies are open
// meanwhile to go along by mistake.
ProcessId start_program(const std::vector<std::string>& arguments, const StandardStreams& streams) {
  if (arguments.empty() || arguments[0].empty()) return kNoProcess;
  std::string program = program_file(arguments[0]);
  if (program.empty()) return kNoProcess;
  ChildHandles handles;
  int fds[3] = {streams.input, streams.output, streams.error};
  for (int i = 0; i < 3; ++i) handles.streams[i] = inheritable(fds[i]);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = handles.streams[0];
  startup.hStdOutput = handles.streams[1];
  startup.hStdError = handles.streams[2];
  return create_process(program, arguments, startup, 0, true);
}

int wait_program(ProcessId process) {
  HANDLE handle = reinterpret_cast<HANDLE>(process);
  WaitForSingleObject(handle, INFINITE);
  return exit_code_of(handle);
}

// At most MAXIMUM_WAIT_OBJECTS (64) programs run at once (image_jobs.h).
int wait_for_any(std::vector<ProcessId>& running) {
  std::vector<HANDLE> handles;
  for (ProcessId process : running) handles.push_back(reinterpret_cast<HANDLE>(process));
  DWORD count = static_cast<DWORD>(std::min<size_t>(handles.size(), MAXIMUM_WAIT_OBJECTS));
  DWORD result = WaitForMultipleObjects(count, handles.data(), FALSE, INFINITE);
  size_t ended = result < WAIT_OBJECT_0 + count ? result - WAIT_OBJECT_0 : 0;
  running.erase(running.begin() + static_cast<std::ptrdiff_t>(ended));
  return wait_program(reinterpret_cast<ProcessId>(handles[ended]));
}

bool start_detached(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return false;
  std::string program = program_file(arguments[0]);
  if (program.empty()) return false;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  ProcessId process = create_process(program, arguments, startup, DETACHED_PROCESS, false);
  if (process == kNoProcess) return false;
  CloseHandle(reinterpret_cast<HANDLE>(process));
  return true;
}

std::string find_program_in_path(const std::string& name) {
  if (name.empty() || name.find_first_of("\\/:") != std::string::npos) return std::string();
  for (const std::string& folder : path_folders()) {
    std::string candidate = with_backslashes(folder);
    if (candidate.back() != '\\') candidate += '\\';
    candidate += name;
    if (is_file(candidate)) return candidate;
    if (!has_extension(name) && is_file(candidate + ".exe")) return candidate + ".exe";
  }
  return std::string();
}
