// Installing a finished skin into one of the synthesizer's Themes folders
// (assembly/themes_folders.h).
//
// The skin folder of the working folder is copied whole into the Themes
// folder as Themes/<skin name>; the working folder's copy stays. The copy
// is made under a temporary name beside its place (.<name>.installing) by
// one xcopy line, and only a complete copy is renamed into place, so the
// synthesizer never sees half a skin. A theme of that name that is a skin
// (with Images and Scripts folders) is moved aside first
// (.<name>.previous) and removed only once the new one is in; it is put
// back when the new one cannot be. A folder, file or link of that name that
// is not a skin is never touched. A failed copy (a full disk, no access)
// removes the temporary copy and leaves the Themes folder as it was.
//
// An install cut short (the program killed midway) is put right at the
// next install under that name: a theme left aside comes back when nothing
// took its place, and a temporary copy is removed.
#ifndef SKINBUILDER_ASSEMBLY_SKIN_INSTALL_H_
#define SKINBUILDER_ASSEMBLY_SKIN_INSTALL_H_

#include <string>

// Installs the skin and says in one line how it went. True when the skin
// is now in the Themes folder (`themes_folder` in the local form).
bool install_skin(const char* skin_name, const std::string& themes_folder);

#endif  // SKINBUILDER_ASSEMBLY_SKIN_INSTALL_H_
