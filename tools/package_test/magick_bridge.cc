// A stand-in for ImageMagick 7's magick.exe under Wine, for the package
// tests: "magick TOOL ARGUMENTS" runs the Linux ImageMagick's TOOL with the
// same arguments, in the same folder, and gives back its output and exit
// status, so that the Windows program and its .cmd launchers build a skin
// under Wine with real images.
//
// Wine starts a Linux program only detached ("start /unix"), with no pipe
// and no exit status: linux_tool.sh, beside this program, runs the tool
// and leaves its output and status in files here, and this program waits
// for them. The working folder goes there the same way (a Linux program
// started by Wine begins in its own folder).
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string here() {
  char path[MAX_PATH];
  DWORD size = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, size);
  return folder.substr(0, folder.rfind('\\'));
}

// The host's path of a Windows path, by Wine's own function (the folder
// may lie on C:, inside the Wine prefix, or on Z:, the host's "/").
std::string unix_path(const std::string& path) {
  using Convert = char*(CDECL*)(const WCHAR*);
  auto convert = reinterpret_cast<Convert>(
      GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name"));
  WCHAR wide[MAX_PATH];
  if (convert == nullptr || !MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH))
    return path;
  char* converted = convert(wide);
  if (converted == nullptr) return path;
  std::string result = converted;
  HeapFree(GetProcessHeap(), 0, converted);
  return result;
}

// The command line after the program's own name, as cmd passed it.
std::string arguments() {
  std::string line = GetCommandLineA();
  size_t end = line[0] == '"' ? line.find('"', 1) + 1 : line.find(' ');
  return end == std::string::npos ? "" : line.substr(end);
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool run_and_wait(std::string command) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process;
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return false;
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace

int main() {
  std::string folder = here();
  std::string done = folder + "\\done";
  DeleteFileA(done.c_str());
  char working[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, working);
  std::ofstream(folder + "\\cwd", std::ios::binary) << unix_path(working);
  std::string script = unix_path(folder) + "/linux_tool.sh";
  if (!run_and_wait("start.exe /unix \"" + script + "\"" + arguments())) return 127;
  // A tool run that never ends is given up after two minutes.
  for (int waited = 0; GetFileAttributesA(done.c_str()) == INVALID_FILE_ATTRIBUTES; waited += 2) {
    if (waited > 120000) {
      std::fprintf(stderr, "magick_bridge: %s gave no answer\n", script.c_str());
      return 127;
    }
    Sleep(2);
  }
  std::string out = read_file(folder + "\\out"), err = read_file(folder + "\\err");
  std::fwrite(out.data(), 1, out.size(), stdout);
  std::fwrite(err.data(), 1, err.size(), stderr);
  return std::stoi("0" + read_file(done));
}
