#include <io.h>

#include <algorithm>
#include <cstdio>
#include <string>

#define WIN32_LEAN_AND_MEAN
#include <objbase.h>
#include <shellapi.h>
#include <windows.h>

#include "platform/image_viewer.h"
#include "platform/terminal_image.h"

namespace {

bool drawn_in_terminal = false;

// Shell handlers may be COM objects, so COM is set up around the call. No
// error dialog (SEE_MASK_FLAG_NO_UI): when no program takes .png files it
// would wait for a click that an unattended or piped run never gives.
bool hand_to_viewer(const char* path) {
  HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  SHELLEXECUTEINFOA request = {};
  request.cbSize = sizeof request;
  request.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  request.lpVerb = "open";
  request.lpFile = path;
  request.nShow = SW_SHOWNORMAL;
  bool opened = ShellExecuteExA(&request) != FALSE;
  if (SUCCEEDED(com)) CoUninitialize();
  return opened;
}

// platform/console.h switches the colour codes on where the console has them.
bool console_takes_colour(HANDLE output) {
  DWORD mode = 0;
  return GetConsoleMode(output, &mode) && (mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

// As UTF-16 the half blocks show whatever the console's code page; written
// in pieces, since older consoles refuse very long writes.
void write_to_console(HANDLE console, const std::string& utf8) {
  int length =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  if (length <= 0) return;
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], length);
  const size_t kPiece = 8192;
  for (size_t at = 0; at < wide.size(); at += kPiece) {
    DWORD written = 0;
    DWORD count = static_cast<DWORD>(std::min(kPiece, wide.size() - at));
    if (!WriteConsoleW(console, wide.data() + at, count, &written, nullptr)) return;
  }
}

void draw_in_console(HANDLE console, const char* path) {
  RgbaImage image;
  if (!read_image_pixels(path, image)) return;
  TerminalSize size = terminal_size(_fileno(stdout));
  std::fflush(stdout);
  // The progress text leaves the cursor inside a line; the image starts on
  // a line of its own so that its rows are not shifted.
  write_to_console(console, "\n" + half_block_text(image, size.columns, size.rows));
  drawn_in_terminal = true;
}

}  // namespace

// The interpreter names the image with "/"; the shell's handlers want the
// Windows form.
void open_image(const char* local_path) {
  std::string path = local_path;
  std::replace(path.begin(), path.end(), '/', '\\');
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  if (hand_to_viewer(path.c_str())) return;
  // The C library's standard output, which the dialogue's text goes to.
  HANDLE output = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stdout)));
  if (output != INVALID_HANDLE_VALUE && console_takes_colour(output)) {
    draw_in_console(output, path.c_str());
  }
}

bool image_drawn_in_terminal() {
  bool drawn = drawn_in_terminal;
  drawn_in_terminal = false;
  return drawn;
}
