// Moving and removing whole folders of the user's, for the build's keeping
// of the previous skin (assembly/previous_skin.h).
//
// Paths are in the local form (platform/native_path.h).
#ifndef SKINBUILDER_ASSEMBLY_FOLDER_MOVE_H_
#define SKINBUILDER_ASSEMBLY_FOLDER_MOVE_H_

#include <functional>
#include <string>
#include <system_error>

// Moves the folder `from` to `to`, where nothing is yet (the folder above
// `to` exists). On one file system it is renamed in one step. Across two
// it is copied, the copy checked against the original (the same folders,
// files and links, each file of the same size), and only then the
// original removed; `copied` runs between the two, so that the caller can
// record that the copy is now the one that counts. When it cannot (it
// returns false with `failure`), the copy is removed again.
//
// False, with `failure`, when it could not. Until `copied` has agreed, the
// original is untouched and no partial copy is left; when the original
// could not be removed after that, the copy is whole and both stay.
using CopyAgreed = std::function<bool(std::error_code& failure)>;
bool move_folder(const std::string& from, const std::string& to, const CopyAgreed& copied,
                 std::error_code& failure);

// Removes the file or folder and everything below it. A link is removed
// as a link: what it points to is never entered. Nothing to remove is not
// a failure.
bool remove_tree(const std::string& path, std::error_code& failure);

#endif  // SKINBUILDER_ASSEMBLY_FOLDER_MOVE_H_
