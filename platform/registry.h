// Paths that installers record in the Windows registry.
//
// Windows only: the Windows implementations of other platform contracts
// (platform/image_tools.h, platform/plugin_folders.h) ask it where
// ImageMagick and the plug-ins were installed. There is no POSIX side.
#ifndef SKINBUILDER_PLATFORM_REGISTRY_H_
#define SKINBUILDER_PLATFORM_REGISTRY_H_

#include <string>
#include <vector>

// The REG_SZ value `value` under HKEY_LOCAL_MACHINE\`key`, as a path in the
// program's narrow text, read in the 64-bit view and then in the 32-bit
// one (a 32-bit installer writes only there): what was found, in that
// order, at most one each. A REG_EXPAND_SZ value ("%ProgramFiles%\...")
// comes expanded.
std::vector<std::string> machine_registry_paths(const wchar_t* key, const wchar_t* value);

#endif  // SKINBUILDER_PLATFORM_REGISTRY_H_
