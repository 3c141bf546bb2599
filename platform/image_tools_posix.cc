#include "platform/image_tools.h"

// ImageMagick on POSIX systems lives where PATH leads.
std::vector<std::string> imagemagick_install_folders() {
  return {};
}

std::string executable_file_name(const std::string& name) {
  return name;
}
