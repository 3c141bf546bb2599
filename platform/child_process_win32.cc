#include <stdlib.h>

#include <algorithm>
#include <cstdio>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/child_process.h"

namespace {

constexpr DWORD kKilledCode = 137;
constexpr int kNotStartedCode = 127;

// A temporary file the child can inherit, gone when the last handle closes.
HANDLE inheritable_scratch_file() {
  char folder[MAX_PATH + 1], name[MAX_PATH + 1];
  if (GetTempPathA(sizeof folder, folder) == 0 || GetTempFileNameA(folder, "sbc", 0, name) == 0)
    return INVALID_HANDLE_VALUE;
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  return CreateFileA(name, GENERIC_READ | GENERIC_WRITE,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit,
                     CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
}

bool write_whole(HANDLE file, const std::string& text) {
  for (size_t at = 0; at < text.size();) {
    DWORD written = 0;
    DWORD count = static_cast<DWORD>(std::min<size_t>(text.size() - at, 1 << 20));
    if (!WriteFile(file, text.data() + at, count, &written, nullptr) || written == 0) return false;
    at += written;
  }
  return SetFilePointer(file, 0, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER;
}

std::string read_whole(HANDLE file) {
  std::string text;
  if (SetFilePointer(file, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) return text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  return text;
}

// Windows takes "/" in most paths, but not everywhere in CreateProcess.
std::string with_backslashes(std::string path) {
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

// A job that ends every process in it once its last handle is closed.
HANDLE job_killing_on_close() {
  HANDLE job = CreateJobObjectA(nullptr, nullptr);
  if (job == nullptr) return nullptr;
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
  return job;
}

// Such a job holding the (still suspended) process; nullptr when none can be
// had, and the process then runs outside one.
HANDLE job_holding(HANDLE process) {
  HANDLE job = job_killing_on_close();
  if (job != nullptr && !AssignProcessToJobObject(job, process)) {
    CloseHandle(job);
    return nullptr;
  }
  return job;
}

int wait_with_limit(HANDLE process, HANDLE job, int limit_seconds) {
  DWORD limit = static_cast<DWORD>(std::min(std::max(limit_seconds, 0), 24 * 3600)) * 1000;
  if (WaitForSingleObject(process, limit) == WAIT_TIMEOUT) {
    if (job == nullptr || !TerminateJobObject(job, kKilledCode)) {
      TerminateProcess(process, kKilledCode);
    }
    WaitForSingleObject(process, INFINITE);
  }
  DWORD code = 0;
  return GetExitCodeProcess(process, &code) ? static_cast<int>(code) : -1;
}

struct ChildStreams {
  HANDLE input, output, error;
};

// The child starts suspended so that it is in the job before it can start
// a process of its own. Every other handle this process lets children inherit goes along as
// well, which the job's end makes harmless.
int start_and_wait(const std::string& program, const std::string& folder,
                   const ChildStreams& streams, int limit_seconds) {
  std::string application = with_backslashes(program);
  std::string command_line = "\"" + application + "\"";
  std::string directory = with_backslashes(folder);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = streams.input;
  startup.hStdOutput = streams.output;
  startup.hStdError = streams.error;
  PROCESS_INFORMATION child = {};
  if (!CreateProcessA(application.c_str(), &command_line[0], nullptr, nullptr, TRUE,
                      CREATE_SUSPENDED, nullptr, directory.c_str(), &startup, &child))
    return kNotStartedCode;
  HANDLE job = job_holding(child.hProcess);
  ResumeThread(child.hThread);
  CloseHandle(child.hThread);
  int code = wait_with_limit(child.hProcess, job, limit_seconds);
  CloseHandle(child.hProcess);
  if (job != nullptr) CloseHandle(job);
  return code;
}

void close_file(HANDLE file) {
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

}  // namespace

ChildRun run_child(const std::string& program, const std::string& folder, const std::string& input,
                   int limit_seconds, ErrorOutput errors) {
  ChildRun run;
  HANDLE in = inheritable_scratch_file();
  HANDLE out = inheritable_scratch_file();
  HANDLE err = errors == ErrorOutput::kApart ? inheritable_scratch_file() : out;
  if (in != INVALID_HANDLE_VALUE && out != INVALID_HANDLE_VALUE && err != INVALID_HANDLE_VALUE &&
      write_whole(in, input)) {
    run.exit_code = start_and_wait(program, folder, {in, out, err}, limit_seconds);
    run.output = read_whole(out);
    if (err != out) run.errors = read_whole(err);
  }
  close_file(in);
  if (err != out) close_file(err);
  close_file(out);
  return run;
}

std::string shell_output(const std::string& line) {
  std::string output;
  FILE* pipe = _popen(line.c_str(), "rb");
  if (pipe == nullptr) return output;
  char buffer[4096];
  for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    output.append(buffer, got);
  }
  _pclose(pipe);
  return output;
}
