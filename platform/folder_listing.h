// Listing the entries of a folder that match a wildcard pattern, such as the
// preset files "*-v11b5.kvl" in "Presets".
//
// Names are matched without regard to case ('*' and '?' as in
// platform/wildcard.h) and returned in the order the folder gives them. A
// folder that is missing or cannot be read gives none. On Windows the
// folder is read with FindFirstFileA/FindNextFileA; elsewhere with
// opendir/readdir, the folder itself being found in any case and written in
// either the interpreter's form (".\Presets") or the local one.
#ifndef SKINBUILDER_PLATFORM_FOLDER_LISTING_H_
#define SKINBUILDER_PLATFORM_FOLDER_LISTING_H_

#include <string>
#include <vector>

std::vector<std::string> list_matching_names(const char* folder, const char* pattern);

// The same, keeping only regular files: no folder, FIFO, device or other
// special file (a link counts as what it points to).
std::vector<std::string> list_matching_files(const char* folder, const char* pattern);

#endif  // SKINBUILDER_PLATFORM_FOLDER_LISTING_H_
