#include <io.h>

#include <algorithm>
#include <chrono>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/interruption.h"
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

// --- Programs started and not yet waited for ----------------------------------

using Clock = std::chrono::steady_clock;

// The longest a wait sleeps without looking: the console tells of a Ctrl-C
// on a thread of its own, which cannot wake the wait.
constexpr DWORD kLongestPauseMs = 100;
// The exit code of a program stopped here: a failure, and not one of the
// negative NTSTATUS codes that read as a program that could not start.
constexpr UINT kStoppedExitCode = 1;

struct Started {
  HANDLE process = nullptr;
  HANDLE job = nullptr;  // nullptr when the job could not be made
  Clock::time_point deadline;
  bool stopped = false;
  bool past_limit = false;
};
std::vector<Started> started;
int stopped_at_limit = 0;

Started* started_entry(HANDLE process) {
  for (Started& entry : started) {
    if (entry.process == process) return &entry;
  }
  return nullptr;
}

// A job that ends its processes when its last handle closes: when the
// program ends, however, its tools end with it.
HANDLE job_ending_with_program() {
  HANDLE job = CreateJobObjectW(nullptr, nullptr);
  if (job == nullptr) return nullptr;
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (!SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
    CloseHandle(job);
    return nullptr;
  }
  return job;
}

// The process, started suspended, goes into a job of its own before it
// runs, so that whatever it starts goes there too. Where jobs cannot nest
// (before Windows 8, some emulators) it runs without one and is stopped
// alone.
HANDLE put_in_job(const PROCESS_INFORMATION& child) {
  HANDLE job = job_ending_with_program();
  if (job != nullptr && !AssignProcessToJobObject(job, child.hProcess)) {
    CloseHandle(job);
    job = nullptr;
  }
  ResumeThread(child.hThread);
  return job;
}

void stop(Started& entry, bool past_limit) {
  if (entry.stopped) return;
  if (entry.job == nullptr || !TerminateJobObject(entry.job, kStoppedExitCode)) {
    TerminateProcess(entry.process, kStoppedExitCode);
  }
  entry.stopped = true;
  entry.past_limit = past_limit;
}

// Stops what has run past its limit, or everything after an interruption.
void enforce_limits(const std::vector<ProcessId>& running) {
  Clock::time_point now = Clock::now();
  for (ProcessId process : running) {
    Started* entry = started_entry(reinterpret_cast<HANDLE>(process));
    if (entry == nullptr) continue;
    if (interruption_noted()) {
      stop(*entry, false);
    } else if (now >= entry->deadline) {
      stop(*entry, true);
    }
  }
}

// Milliseconds until enforce_limits next has something to do, at most
// kLongestPauseMs.
DWORD pause_ms(const std::vector<ProcessId>& running) {
  Clock::time_point now = Clock::now();
  DWORD pause = kLongestPauseMs;
  for (ProcessId process : running) {
    const Started* entry = started_entry(reinterpret_cast<HANDLE>(process));
    if (entry == nullptr || entry->stopped) continue;
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(entry->deadline - now);
    pause = std::min<DWORD>(pause, left.count() <= 0 ? 0 : static_cast<DWORD>(left.count()));
  }
  return pause;
}

// The job goes with the process's handle: a process that has ended leaves
// nothing in it but what it started, which ends now too.
int collect(HANDLE process) {
  if (Started* entry = started_entry(process)) {
    if (entry->past_limit) ++stopped_at_limit;
    if (entry->job != nullptr) CloseHandle(entry->job);
    started.erase(started.begin() + (entry - started.data()));
  }
  return exit_code_of(process);
}

bool create_process(const std::string& program, const std::vector<std::string>& arguments,
                    STARTUPINFOW& startup, DWORD flags, bool inherit, PROCESS_INFORMATION& child) {
  std::vector<std::string> words = arguments;
  words[0] = program;
  std::wstring line = wide(windows_command_line(words));
  return CreateProcessW(wide(program).c_str(), &line[0], nullptr, nullptr, inherit, flags, nullptr,
                        nullptr, &startup, &child) != 0;
}

}  // namespace

bool is_program_file(const std::string& path) {
  return is_file(path);
}

int programs_stopped_at_time_limit() {
  return stopped_at_limit;
}

// The child takes inheritable copies of the three handles; the program
// starts children from one thread, so no other command's copies are open
// meanwhile to go along by mistake.
ProcessId start_program(const std::vector<std::string>& arguments, const StandardStreams& streams) {
  if (arguments.empty() || arguments[0].empty() || interruption_noted()) return kNoProcess;
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
  PROCESS_INFORMATION child = {};
  if (!create_process(program, arguments, startup, CREATE_SUSPENDED, true, child)) {
    return kNoProcess;
  }
  Started entry;
  entry.process = child.hProcess;
  entry.job = put_in_job(child);
  entry.deadline = Clock::now() + std::chrono::seconds(time_limit_seconds());
  CloseHandle(child.hThread);
  started.push_back(entry);
  return reinterpret_cast<ProcessId>(child.hProcess);
}

int wait_program(ProcessId process) {
  std::vector<ProcessId> one = {process};
  return wait_for_any(one);
}

int wait_for_any(std::vector<ProcessId>& running) {
  if (running.empty()) return -1;
  std::vector<HANDLE> handles;
  for (ProcessId process : running) handles.push_back(reinterpret_cast<HANDLE>(process));
  DWORD count = static_cast<DWORD>(std::min<size_t>(handles.size(), MAXIMUM_WAIT_OBJECTS));
  for (;;) {
    DWORD result = WaitForMultipleObjects(count, handles.data(), FALSE, pause_ms(running));
    if (result < WAIT_OBJECT_0 + count) {
      size_t ended = result - WAIT_OBJECT_0;
      running.erase(running.begin() + static_cast<std::ptrdiff_t>(ended));
      return collect(handles[ended]);
    }
    if (result != WAIT_TIMEOUT) break;
    enforce_limits(running);
  }
  // The wait itself failed (a handle that is not a process): the first
  // is taken as ended rather than waited for forever.
  running.erase(running.begin());
  return collect(handles[0]);
}

bool start_detached(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return false;
  std::string program = program_file(arguments[0]);
  if (program.empty()) return false;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child = {};
  if (!create_process(program, arguments, startup, DETACHED_PROCESS, false, child)) return false;
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
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
