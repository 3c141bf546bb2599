#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>

#include "platform/console.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

HANDLE colour_console = INVALID_HANDLE_VALUE;
DWORD mode_before = 0;

// The console mode is the console's, not the process's: it outlives the
// program, so the mode found at the start is put back at its end.
void restore_console_mode() {
  SetConsoleMode(colour_console, mode_before);
}

// Fails on consoles older than Windows 10, which show the codes as text;
// the preview is then not drawn there (platform/image_viewer.h).
void enable_colour_codes() {
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (!GetConsoleMode(output, &mode)) return;  // not a console: a pipe or file
  if ((mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0) return;
  if (!SetConsoleMode(output, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING)) return;
  colour_console = output;
  mode_before = mode;
  std::atexit(restore_console_mode);
}

UINT input_page_before = 0;
UINT output_page_before = 0;

void restore_code_pages() {
  SetConsoleCP(input_page_before);
  SetConsoleOutputCP(output_page_before);
}

void speak_ansi_code_page() {
  input_page_before = GetConsoleCP();
  output_page_before = GetConsoleOutputCP();
  if (input_page_before == 0 || output_page_before == 0) return;  // no console
  SetConsoleCP(GetACP());
  SetConsoleOutputCP(GetACP());
  std::atexit(restore_code_pages);
}

}  // namespace

void prepare_console() {
  std::fflush(stdout);
  _setmode(_fileno(stdout), _O_BINARY);
  enable_colour_codes();
  speak_ansi_code_page();
}
