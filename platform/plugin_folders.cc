#include "platform/plugin_folders.h"

#include "platform/paths.h"

std::vector<std::string> program_files_plugin_folders(const std::string& program_files) {
  std::vector<std::string> folders;
  for (const char* below : {"VSTPlugins", "Steinberg/VSTPlugins", "Common Files/VST2",
                            "Common Files/Steinberg/VST2", "Common Files/VST3"}) {
    folders.push_back(join_path(program_files, below));
  }
  return folders;
}
