#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <sstream>

#include "platform/descriptors.h"
#include "platform/launcher.h"
#include "platform/terminal_image.h"

namespace {

// ImageMagick 7 names its tools through "magick"; 6 installs them by name.
std::vector<std::string> image_tool(const char* name, std::vector<std::string> arguments) {
  std::vector<std::string> command = {name};
  if (!find_program_in_path("magick").empty()) command = {"magick", name};
  command.insert(command.end(), arguments.begin(), arguments.end());
  return command;
}

// What a tool prints on standard output; empty when it fails. Its messages
// are dropped: a preview that cannot be drawn is simply not drawn.
std::string tool_output(const std::vector<std::string>& command) {
  int output = make_scratch_file();
  int null_fd = open("/dev/null", O_RDWR | O_CLOEXEC);
  std::string text;
  if (output >= 0 && null_fd >= 0) {
    StandardStreams streams{null_fd, output, null_fd};
    if (run_program(command, streams) == 0 && lseek(output, 0, SEEK_SET) == 0) {
      text = read_all(output);
    }
  }
  if (output >= 0) close(output);
  if (null_fd >= 0) close(null_fd);
  return text;
}

}  // namespace

bool read_image_pixels(const std::string& path, RgbaImage& image) {
  std::string frame = path + "[0]";
  std::istringstream size(tool_output(image_tool("identify", {"-format", "%w %h", frame})));
  int width = 0, height = 0;
  if (!(size >> width >> height) || width <= 0 || height <= 0) return false;
  if (1LL * width * height > kMaxImagePixels) return false;
  std::string raw =
      tool_output(image_tool("stream", {"-map", "rgba", "-storage-type", "char", frame, "-"}));
  if (raw.size() != static_cast<size_t>(width) * height * 4) return false;
  image.width = width;
  image.height = height;
  image.pixels.assign(raw.begin(), raw.end());
  return true;
}

TerminalSize terminal_size(int fd) {
  TerminalSize size;
  winsize window;
  if (ioctl(fd, TIOCGWINSZ, &window) != 0) return size;
  if (window.ws_col > 0) size.columns = std::min<int>(80, window.ws_col);
  if (window.ws_row > 3) size.rows = window.ws_row - 2;
  return size;
}
