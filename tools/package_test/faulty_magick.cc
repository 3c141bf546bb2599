// A faulty ImageMagick 7 for the package checks under Wine. Found as
// magick.exe on PATH, it stands in front of the real one (REAL_MAGICK, a
// Windows path) and spoils what the program asks of it, so that the
// program's check of the build has something to catch. FAULTY_MAGICK
// names the fault:
//   alpha  every command runs for real, then each image a mogrify treated
//          is made half transparent (the real magick's "mogrify -channel A
//          -evaluate set 50%"), as an ImageMagick that loses the images'
//          transparency would leave them;
//   exit   every command ends with status 1 and does nothing.
// Asked for -version it is the real magick, byte for byte, so that the
// program's start-up check passes and takes it for ImageMagick 7.
//
// Windows only (cross-built by tools/test_package.sh): the real magick is
// started with CreateProcessW, no shell in between, its arguments quoted
// by the rules its C run-time splits them by.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Quoted when it holds a blank or a quote; the backslashes before a quote
// (and before the closing quote) doubled, as the C run-time reads them.
std::wstring quoted(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
  std::wstring result = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    result.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    result += c;
  }
  result.append(backslashes * 2, L'\\');
  return result + L"\"";
}

// Runs the program with the arguments, sharing this one's standard
// streams; its exit status, 127 when it does not start.
DWORD run(const std::wstring& program, const std::vector<std::wstring>& arguments) {
  std::wstring line = quoted(program);
  for (const std::wstring& argument : arguments) line += L" " + quoted(argument);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process;
  if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                      &process))
    return 127;
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 127;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return status;
}

// The program names the images in the working folder as ".\x" (passed on
// as "./x"), wildcards left for ImageMagick to expand.
bool is_image_path(const std::wstring& argument) {
  return argument.size() > 2 && argument[0] == L'.' &&
         (argument[1] == L'/' || argument[1] == L'\\');
}

DWORD spoil_transparency(const std::wstring& magick, const std::vector<std::wstring>& arguments) {
  std::vector<std::wstring> spoil = {L"mogrify", L"-channel", L"A", L"-evaluate", L"set", L"50%"};
  std::copy_if(arguments.begin(), arguments.end(), std::back_inserter(spoil), is_image_path);
  return spoil.size() > 6 ? run(magick, spoil) : 0;
}

std::wstring variable(const wchar_t* name) {
  const wchar_t* value = _wgetenv(name);
  return value != nullptr ? value : L"";
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::wstring magick = variable(L"REAL_MAGICK"), fault = variable(L"FAULTY_MAGICK");
  std::vector<std::wstring> arguments(argv + 1, argv + argc);
  bool version = std::find(arguments.begin(), arguments.end(), L"-version") != arguments.end();
  if (magick.empty() || (!version && fault != L"alpha" && fault != L"exit")) {
    std::fprintf(stderr, "faulty magick: set REAL_MAGICK, and FAULTY_MAGICK to alpha or exit\n");
    return 127;
  }
  if (!version && fault == L"exit") return 1;
  DWORD status = run(magick, arguments);
  bool spoil = !version && fault == L"alpha" && status == 0 && !arguments.empty() &&
               arguments.front() == L"mogrify";
  return static_cast<int>(spoil ? spoil_transparency(magick, arguments) : status);
}
