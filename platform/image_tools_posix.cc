#include "platform/image_tools.h"

// ImageMagick on POSIX systems lives where PATH leads.
std::vector<std::string> imagemagick_install_folders() {
  return {};
}

// Every distribution packages ImageMagick; Debian's and Ubuntu's command is
// the one most users need.
const char* no_imagemagick_advice() {
  return "ImageMagick is not installed: install it (on Debian or Ubuntu: sudo apt-get install "
         "imagemagick), then start the program again.";
}

std::string executable_file_name(const std::string& name) {
  return name;
}
