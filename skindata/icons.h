// Pictograms: the template's icons, the lock icons of every lock style and
// the arpeggiator step icons of every arp style.
//
// Each is drawn into a box with one paint, so the same pictogram serves as
// a blue section icon and as a grey neutral one.
#ifndef SKINBUILDER_SKINDATA_ICONS_H_
#define SKINBUILDER_SKINDATA_ICONS_H_

#include <vector>

#include "skindata/canvas.h"
#include "skindata/drawing.h"

enum class Icon {
  kSave,
  kLoad,
  kFolder,
  kCopy,
  kPaste,
  kInit,
  kRandom,
  kUndo,
  kRedo,
  kGear,
  kSearch,
  kStar,
  kHeart,
  kTag,
  kPlay,
  kStop,
  kRecord,
  kLoop,
  kLink,
  kUp,
  kDown,
  kLeft,
  kRight,
  kPlus,
  kMinus,
  kClose,
  kCheck,
  kInfo,
  kWarning,
  kMenu,
  kGrid,
  kKeyboard,
  kNote,
  kWave,
  kEnvelope,
  kLfo,
  kFilter,
  kMidi,
  kPower,
  kEye,
};

struct IconName {
  Icon icon;
  const char* name;  // as in the file names, e.g. "Save"
};
const std::vector<IconName>& icon_names();

void draw_icon(Canvas& canvas, Icon icon, Box area, const Paint& paint);

// Lock icons: the template's pause symbol and the eight lock styles.
enum class LockGlyph {
  kPause,
  kDot,
  kHero,
  kKey,
  kNoSign,
  kStopSign,
  kRoundLock,
  kSquareLock,
  kPauseFilled,
};
void draw_lock_glyph(Canvas& canvas, LockGlyph glyph, Box area, const Paint& paint);

// Arpeggiator step modes, in three looks: the template's clean arrows, the
// standard text-like signs and dice faces.
enum class ArpLook { kClarity, kStandard, kDice };
constexpr int kArpModeCount = 6;
const char* arp_mode_name(int mode);  // "First", "Last", "Next", "Prev", "Same", "Random"
void draw_arp_glyph(Canvas& canvas, ArpLook look, int mode, Box area, const Paint& paint);

#endif  // SKINBUILDER_SKINDATA_ICONS_H_
