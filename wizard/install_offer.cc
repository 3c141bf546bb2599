#include "wizard/install_offer.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "assembly/skin_install.h"
#include "assembly/themes_folders.h"
#include "platform/file_system.h"
#include "wizard/prompts.h"

bool offer_install(const char* skin_name) {
  std::vector<std::string> folders = find_themes_folders();
  if (folders.empty()) return true;
  // The paths come from the disk: shown as printable text.
  std::vector<std::string> rows{"No"};
  for (const std::string& folder : folders) rows.push_back(printable(shown_path(folder).c_str()));
  std::vector<const char*> labels;
  for (const std::string& row : rows) labels.push_back(row.c_str());
  std::printf("Would you like to install this skin into the synthesizer?:\n\n");
  int32_t choice = 1;
  ask_menu(labels.data(), static_cast<int>(labels.size()), &choice);
  if (choice < 2 || choice > static_cast<int32_t>(folders.size()) + 1) return true;
  bool installed = install_skin(skin_name, folders[static_cast<size_t>(choice) - 2]);
  std::printf("\n");
  return installed;
}

bool install_without_questions(const char* skin_name) {
  std::vector<std::string> folders = find_themes_folders();
  if (folders.size() == 1) return install_skin(skin_name, folders.front());
  if (folders.empty()) {
    std::printf(
        "Not installed: no Themes folder of the synthesizer was found (SKINBUILDER_THEMES can "
        "name one); the skin is in the working folder.\n");
  } else {
    std::printf(
        "Not installed: %d Themes folders of the synthesizer were found; choose one in the "
        "wizard, or move the %s folder by hand.\n",
        static_cast<int>(folders.size()), skin_name);
  }
  return false;
}
