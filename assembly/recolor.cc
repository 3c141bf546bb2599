#include "assembly/recolor.h"

#include <cstdio>

#include "assembly/commands.h"
#include "color/modulation.h"

const RecolorRow kRecolorGroupA[kRecolorGroupACount] = {
    {"Images\\Animations\\PrefCloseCS1\\*.*", 1},
    {"Images\\Animations\\PrefTabCS1\\*.*", 1},
    {"Images\\Animations\\Tab-PBDirectCS1\\*.*", 1},
    {"Images\\Animations\\Tab-PBTagsCS1\\*.*", 1},
    {"Images\\Animations\\KVL-BotTabs-Z2\\*.*", 1},
    {"Images\\Animations\\KVL-BotTabs-ZHZ\\*.*", 1},
    {"Images\\Animations\\KVL-BtnCS1-SL\\*.*", 1},
    {"Images\\Animations\\KVL-Btn-EditMasterCS1\\*.*", 1},
    {"Images\\Animations\\KVL-BtnIOCS1\\*.*", 1},
    {"Images\\Animations\\KVL-BtnIO-MGCS1\\*.*", 1},
    {"Images\\Animations\\KVL-CS1Knob-Bi\\*.*", 1},
    {"Images\\Animations\\KVL-CS1Knob-Uni\\*.*", 1},
    {"Images\\Animations\\KVL-FMOgen\\*.*", 1},
    {"Images\\Animations\\KVL-GateCS1\\*.*", 1},
    {"Images\\Animations\\KVL-LFOWavesCS1\\*.*", 1},
    {"Images\\Animations\\KVL-MainTab\\*.*", 1},
    {"Images\\Animations\\KVL-MidiLightCS1\\*.*", 1},
    {"Images\\Animations\\KVL-MsegTabsCS1-Z2\\*.*", 1},
    {"Images\\Animations\\KVL-MsegTabsCS1-ZHZ\\*.*", 1},
    {"Images\\Animations\\KVL-NoteLengthCS1\\*.*", 1},
    {"Images\\Animations\\KVL-plusminusCS1\\*.*", 1},
    {"Images\\Animations\\KVL-StepCS1\\*.*", 1},
    {"Images\\Animations\\KVL-SwingLightCS1\\*.*", 1},
    {"Images\\Animations\\KVL-VCFBotTypesCS1\\*.*", 1},
    {"Images\\Animations\\KVL-VCF-ModTypesCS1\\*.*", 1},
    {"Images\\Animations\\KVL-VoicesCS1\\*.*", 1},
    {"Images\\Animations\\KVL-XmfT1CS1\\*.*", 1},
    {"Images\\Animations\\KVL-XmfT2CS1\\*.*", 1},
    {"Images\\Animations\\KVL-XY-LS\\*.*", 1},
    {"Images\\Animations\\KVL-XY-TabsCS1\\*.*", 1},
    {"Images\\Controls\\CS1*.png", 1},
    {"Images\\Icons\\CS1*.png", 1},
    {"Images\\Other\\CS1*.png", 1},
    {"Images\\Panes\\CS1KVL-XY*.png", 1},
    {"Images\\Panes\\CS1KVL-T*.png", 1},
};

const RecolorRow kRecolorGroupB[kRecolorGroupBCount] = {
    {"Images\\Animations\\PrefCloseCS4\\*.*", 4},
    {"Images\\Animations\\PrefTabCS4\\*.*", 4},
    {"Images\\Animations\\Tab-PBDirectCS4\\*.*", 4},
    {"Images\\Animations\\Tab-PBTagsCS4\\*.*", 4},
    {"Images\\Animations\\KVL-BtnCS2-SL\\*.*", 2},
    {"Images\\Animations\\KVL-Btn-EditMasterCS2\\*.*", 2},
    {"Images\\Animations\\KVL-BtnIOCS2\\*.*", 2},
    {"Images\\Animations\\KVL-BtnIOCS4\\*.*", 4},
    {"Images\\Animations\\KVL-CS2Knob-Bi\\*.*", 2},
    {"Images\\Animations\\KVL-CS3Knob-Bi\\*.*", 3},
    {"Images\\Animations\\KVL-CS4Knob-Bi\\*.*", 4},
    {"Images\\Animations\\KVL-CS2Knob-Uni\\*.*", 2},
    {"Images\\Animations\\KVL-CS3Knob-Uni\\*.*", 3},
    {"Images\\Animations\\KVL-CS4Knob-Uni\\*.*", 4},
    {"Images\\Animations\\KVL-GateCS2\\*.*", 2},
    {"Images\\Animations\\KVL-LFOWavesCS2\\*.*", 2},
    {"Images\\Animations\\KVL-MidiLightCS4\\*.*", 4},
    {"Images\\Animations\\KVL-MsegTabsCS2-Z2\\*.*", 2},
    {"Images\\Animations\\KVL-MsegTabsCS2-ZHZ\\*.*", 2},
    {"Images\\Animations\\KVL-NoteLengthCS2\\*.*", 2},
    {"Images\\Animations\\KVL-plusminusCS2\\*.*", 2},
    {"Images\\Animations\\KVL-StepCS2\\*.*", 2},
    {"Images\\Animations\\KVL-SwingLightCS4\\*.*", 4},
    {"Images\\Animations\\KVL-VCFBotTypesCS3\\*.*", 3},
    {"Images\\Animations\\KVL-VoicesCS2\\*.*", 2},
    {"Images\\Animations\\KVL-XmfT1CS3\\*.*", 3},
    {"Images\\Animations\\KVL-XmfT2CS3\\*.*", 3},
    {"Images\\Animations\\KVL-XY-TabsCS2\\*.*", 2},
    {"Images\\Controls\\CS2*.png", 2},
    {"Images\\Controls\\CS3*.png", 3},
    {"Images\\Controls\\CS4*.png", 4},
    {"Images\\Icons\\CS2*.png", 2},
    {"Images\\Icons\\CS4*.png", 4},
    {"Images\\Other\\CS2*.png", 2},
    {"Images\\Other\\CS3*.png", 3},
    {"Images\\Other\\CS4*.png", 4},
    {"Images\\Panes\\CS2KVL-XY*.png", 2},
    {"Images\\Panes\\CS4KVL-T*.png", 4},
};

namespace {

// The last two rows of group A, the CS1 panes, print no progress dot: the
// line holds 33 dots for a single-colour skin and 71 for a multicolour one.
constexpr size_t kUndottedTail = 2;

int recolor_row(const RecolorRow& row, const SkinSettings& settings, bool dot) {
  char command[kCommandBufferSize];
  format_section_command(command, section_color(settings, row.section), settings.skin_name,
                         row.pattern);
  int status = run_command(command);
  if (dot && status != kInterruptedStatus) std::printf(".");
  return status;
}

}  // namespace

CommandTally recolor_skin(const SkinSettings& settings) {
  CommandTally tally;
  std::printf("Modifying colors for %s.", settings.skin_name);
  for (size_t i = 0; i < kRecolorGroupACount && !tally.interrupted; ++i) {
    tally.count(recolor_row(kRecolorGroupA[i], settings, i < kRecolorGroupACount - kUndottedTail));
  }
  if (is_multicolor(settings)) {
    for (const RecolorRow& row : kRecolorGroupB) {
      if (tally.interrupted) break;
      tally.count(recolor_row(row, settings, true));
    }
  }
  if (!tally.interrupted) std::printf("Done.\n");
  return tally;
}
