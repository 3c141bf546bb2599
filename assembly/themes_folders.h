// Finding the synthesizer's Themes folders, where an installed skin goes.
//
// A Themes folder is Support/Themes inside a data folder named ZebraHZ.data
// or Zebra2.data, which the synthesizer's installer puts in a plug-in
// folder (platform/plugin_folders.h) or in a folder of its own there
// (<plug-ins>/u-he/Zebra2.data): no deeper is looked. SKINBUILDER_THEMES
// may name further Themes folders, separated as in PATH (':' on POSIX, ';'
// on Windows), for unusual installs. No other path is guessed.
//
// The search stays cheap enough to run after every build: at most one
// listing of each plug-in folder (of at most kMostPluginEntries entries),
// a few lookups per folder found there, no recursion; a folder that
// cannot be read counts as empty.
#ifndef SKINBUILDER_ASSEMBLY_THEMES_FOLDERS_H_
#define SKINBUILDER_ASSEMBLY_THEMES_FOLDERS_H_

#include <cstddef>
#include <string>
#include <vector>

inline constexpr size_t kMostPluginEntries = 1000;

// The Themes folders of this machine, in the local form, each folder once
// (the first route found to it kept), in a stable order: plug-in folder by
// plug-in folder, in each ZebraHZ.data before Zebra2.data and the data
// folders directly in it before those one level down (those by name), then
// the folders of SKINBUILDER_THEMES in their order.
std::vector<std::string> find_themes_folders();

// The same search over given plug-in folders and named Themes folders.
std::vector<std::string> themes_folders_in(const std::vector<std::string>& plugin_folders,
                                           const std::vector<std::string>& named);

#endif  // SKINBUILDER_ASSEMBLY_THEMES_FOLDERS_H_
