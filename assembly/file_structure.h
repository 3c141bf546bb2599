// The skin folder's file structure: clearing the folder and filling it from
// the template, laying the knob, lock-icon and arp-icon style overlays over
// it, and cloning the CS1 material for CS2 to CS4 in multicolour designs
// (which folders and files, the skin's layout says: assembly/skin_layout.h).
//
// Everything here is done by copy commands (assembly/commands.h). A copy
// that fails leaves the folder as it is and the later passes work on what
// is there; the build's check then finds what is missing
// (assembly/skin_check.h). Every path inside the skin folder is quoted, so
// skin names with blanks work.
#ifndef SKINBUILDER_ASSEMBLY_FILE_STRUCTURE_H_
#define SKINBUILDER_ASSEMBLY_FILE_STRUCTURE_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "assembly/commands.h"
#include "assembly/skin_layout.h"
#include "settings/skin_settings.h"

// Style menus. A knob style's label is also its overlay folder under
// skindata\Knobs. Lock-icon and arp-icon styles name their folders (under
// skindata\LockIcons and skindata\AltArp) apart; row 1 of both is the
// template's own look and has no folder (nullptr).
enum class StyleGroup { kKnob, kLockIcon, kArpIcon };
constexpr int kKnobStyleCount = 16;
constexpr int kLockIconStyleCount = 9;
constexpr int kArpIconStyleCount = 3;
inline constexpr const char* kKnobStyleLabels[kKnobStyleCount] = {
    "Massive X Style",
    "Bazille Dazo Style",
    "Bitwig Style",
    "Dune Style",
    "Factory Style",
    "Dazo Style",
    "Live Style",
    "Phase Plant Style",
    "ZebraHZ Style",
    "Rapid Style",
    "DrumComputer Color Style",
    "DrumComputer Dark Style",
    "SimpleSquare Style",
    "SimpleCircle Style",
    "SimpleRing Style",
    "Trimmer Style",
};

inline constexpr const char* kLockIconStyleLabels[kLockIconStyleCount] = {
    "Pause symbol",  "Dot",           "Hero",
    "Key",           "\"No\" symbol", "Stop sign",
    "Vantrelo Lock", "Korvel Lock",   "Pause symbol filled",
};

inline constexpr const char* kLockIconStyleFolders[kLockIconStyleCount] = {
    nullptr,         "Dot",         "Hero",
    "Key",           "No Sign",     "Stop Sign",
    "Vantrelo Lock", "Korvel Lock", "Pause Symbol Filled",
};

inline constexpr const char* kArpIconStyleLabels[kArpIconStyleCount] = {
    "Korvel Clarity",
    "U-he Standard",
    "Dice Standard",
};

inline constexpr const char* kArpIconStyleFolders[kArpIconStyleCount] = {nullptr, "Standard", "Dice"};

// Copies the Images tree of style `number` (1-based, as the menu numbers it)
// over the skin's Images folder. Numbers outside the table and the rows
// without a folder copy nothing.
void copy_style_overlay(StyleGroup group, int32_t number, const char* skin_name);

// The Images folder that copy_style_overlay copies, in the command
// interpreter's form (".\skindata\Knobs\Massive X Style\Images"), or
// empty when that style copies nothing.
std::string style_overlay_images(StyleGroup group, int32_t number);

// Prints the clearing message, removes any folder of that name and copies
// the template skin into a fresh one.
void clear_skin_folder(const char* skin_name);

// The STANDARD designs ask no style question: clear the folder and lay the
// default knob overlay (style 1) over the template.
void prepare_standard_folder(const SkinSettings& settings);

// Clones one animation folder of the skin (assembly/skin_layout.h): the
// folder copied whole under its new name, then its files renamed. Returns
// the status of the last command that ran (kInterruptedStatus stops).
int clone_animation_folder(const Clone& clone, const char* skin_name);

// Runs the animation-folder clones, then the file clones, for a
// multicolour design; a single-colour design needs no clone. Returns the
// commands' tally, whose interrupted flag stops the build.
CommandTally build_file_structure(const SkinSettings& settings);

// The construction step with its progress lines (the caller clears the
// screen first). False when an interruption cut it short.
bool construct_file_structure(const SkinSettings& settings);

// Length of the longest clone command for this skin name, which may exceed
// the command buffer: the clones name the skin folder twice.
size_t longest_clone_command(const char* skin_name);

#endif  // SKINBUILDER_ASSEMBLY_FILE_STRUCTURE_H_
