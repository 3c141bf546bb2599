#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/image_viewer.h"
#include "platform/descriptors.h"
#include "platform/launcher.h"
#include "platform/terminal_image.h"

namespace {

#if defined(__APPLE__)
const char kOpener[] = "open";
bool has_display() {
  return true;
}
#else
const char kOpener[] = "xdg-open";
bool has_display() {
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x11 != nullptr && x11[0] != '\0') || (wayland != nullptr && wayland[0] != '\0');
}
#endif

bool drawn_in_terminal = false;

void draw_in_terminal(const char* path) {
  RgbaImage image;
  if (!read_image_pixels(path, image)) return;
  TerminalSize size = terminal_size(1);
  // The program's progress text leaves the cursor inside a line; the image
  // starts on a line of its own so that its rows are not shifted.
  write_text(1, "\n" + half_block_text(image, size.columns, size.rows));
  drawn_in_terminal = true;
}

}  // namespace

void open_image(const char* path) {
  if (has_display() && !find_program_in_path(kOpener).empty() && start_detached({kOpener, path})) return;
  if (isatty(1)) draw_in_terminal(path);
}

bool image_drawn_in_terminal() {
  bool drawn = drawn_in_terminal;
  drawn_in_terminal = false;
  return drawn;
}
