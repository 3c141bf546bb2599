// Where this system keeps audio plug-ins: the folders below which the
// synthesizer's data folders (and in them its Themes folders) are
// installed, for assembly/themes_folders.h.
//
// Paths are in the local form (platform/native_path.h); the folders may not
// exist. The order is the order they are searched in.
//
// Windows: the folder the registry names as VSTPluginsPath under
// HKLM\SOFTWARE\VST (its 64-bit view, then its 32-bit view), then the
// plug-in folders below %ProgramFiles% (program_files_plugin_folders).
//
// POSIX: ~/.vst, ~/.vst3, ~/.lxvst, /usr/lib/vst, /usr/local/lib/vst,
// /usr/lib/vst3, /usr/local/lib/vst3, then the Windows folders inside the
// Wine prefix ($WINEPREFIX, else ~/.wine; drive_c/Program Files/...):
// many Linux users run the Windows plug-in through a Wine bridge. Without
// HOME only the system folders are searched.
#ifndef SKINBUILDER_PLATFORM_PLUGIN_FOLDERS_H_
#define SKINBUILDER_PLATFORM_PLUGIN_FOLDERS_H_

#include <string>
#include <vector>

std::vector<std::string> plugin_folders();

// The plug-in folders below a Windows "Program Files" folder, the same on
// Windows and inside a Wine prefix: VSTPlugins, Steinberg\VSTPlugins,
// Common Files\VST2, Common Files\Steinberg\VST2, Common Files\VST3.
std::vector<std::string> program_files_plugin_folders(const std::string& program_files);

// What separates the folders of a list in one variable, as in PATH: ':' on
// POSIX, ';' on Windows.
char folder_list_separator();

// The same text for two paths that lead to one existing folder, whatever
// route they take (links, "..", on Windows the letter case); empty when the
// folder cannot be reached.
std::string folder_identity(const std::string& folder);

#endif  // SKINBUILDER_PLATFORM_PLUGIN_FOLDERS_H_
