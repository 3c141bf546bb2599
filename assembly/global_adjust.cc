#include "assembly/global_adjust.h"

#include <cstdio>

#include "assembly/commands.h"
#include "color/modulation.h"

const char* const kAdjustListA[kAdjustListACount] = {
    "Images\\Animations\\PrefCloseCS1\\*.png",
    "Images\\Animations\\PrefTabCS1\\*.png",
    "Images\\Animations\\Tab-PBDirectCS1\\*.png",
    "Images\\Animations\\Tab-PBTagsCS1\\*.png",
    "Images\\Animations\\KVL-BotTabs-Z2\\*.png",
    "Images\\Animations\\KVL-BotTabs-ZHZ\\*.png",
    "Images\\Animations\\KVL-Btn-EditMasterCS1\\*.png",
    "Images\\Animations\\KVL-BtnCS1-SL\\*.png",
    "Images\\Animations\\KVL-BtnIO-MGCS1\\*.png",
    "Images\\Animations\\KVL-BtnIOCS1\\*.png",
    "Images\\Animations\\KVL-CS1Knob-Bi\\*.png",
    "Images\\Animations\\KVL-CS1Knob-Uni\\*.png",
    "Images\\Animations\\KVL-FMOgen\\*.png",
    "Images\\Animations\\KVL-GateCS1\\*.png",
    "Images\\Animations\\KVL-LFOWavesCS1\\*.png",
    "Images\\Animations\\KVL-MainTab\\*.png",
    "Images\\Animations\\KVL-MidiLightCS1\\*.png",
    "Images\\Animations\\KVL-MsegTabsCS1-Z2\\*.png",
    "Images\\Animations\\KVL-MsegTabsCS1-ZHZ\\*.png",
    "Images\\Animations\\KVL-NoteLengthCS1\\*.png",
    "Images\\Animations\\KVL-plusminusCS1\\*.png",
    "Images\\Animations\\KVL-StepCS1\\*.png",
    "Images\\Animations\\KVL-SwingLightCS1\\*.png",
    "Images\\Animations\\KVL-VCF-ModTypesCS1\\*.png",
    "Images\\Animations\\KVL-VCFBotTypesCS1\\*.png",
    "Images\\Animations\\KVL-VoicesCS1\\*.png",
    "Images\\Animations\\KVL-XmfT1CS1\\*.png",
    "Images\\Animations\\KVL-XmfT2CS1\\*.png",
    "Images\\Animations\\KVL-XY-LS\\*.png",
    "Images\\Animations\\KVL-XY-TabsCS1\\*.png",
    "Images\\Controls\\*.png",
    "Images\\Other\\*.png",
    "Images\\Icons\\*.png",
    "Images\\Panes\\*.png",
};

const char* const kAdjustListB[kAdjustListBCount] = {
    "Images\\Animations\\PrefCloseCS4\\*.png",
    "Images\\Animations\\PrefTabCS4\\*.png",
    "Images\\Animations\\Tab-PBDirectCS4\\*.png",
    "Images\\Animations\\Tab-PBTagsCS4\\*.png",
    "Images\\Animations\\KVL-Btn-EditMasterCS2\\*.png",
    "Images\\Animations\\KVL-BtnCS2-SL\\*.png",
    "Images\\Animations\\KVL-BtnIOCS2\\*.png",
    "Images\\Animations\\KVL-BtnIOCS4\\*.png",
    "Images\\Animations\\KVL-CS2Knob-Bi\\*.png",
    "Images\\Animations\\KVL-CS2Knob-Uni\\*.png",
    "Images\\Animations\\KVL-CS3Knob-Bi\\*.png",
    "Images\\Animations\\KVL-CS3Knob-Uni\\*.png",
    "Images\\Animations\\KVL-CS4Knob-Bi\\*.png",
    "Images\\Animations\\KVL-CS4Knob-Uni\\*.png",
    "Images\\Animations\\KVL-GateCS2\\*.png",
    "Images\\Animations\\KVL-LFOWavesCS2\\*.png",
    "Images\\Animations\\KVL-MidiLightCS4\\*.png",
    "Images\\Animations\\KVL-MsegTabsCS2-Z2\\*.png",
    "Images\\Animations\\KVL-MsegTabsCS2-ZHZ\\*.png",
    "Images\\Animations\\KVL-NoteLengthCS2\\*.png",
    "Images\\Animations\\KVL-plusminusCS2\\*.png",
    "Images\\Animations\\KVL-StepCS2\\*.png",
    "Images\\Animations\\KVL-SwingLightCS4\\*.png",
    "Images\\Animations\\KVL-VCFBotTypesCS3\\*.png",
    "Images\\Animations\\KVL-VoicesCS2\\*.png",
    "Images\\Animations\\KVL-XmfT1CS3\\*.png",
    "Images\\Animations\\KVL-XmfT2CS3\\*.png",
    "Images\\Animations\\KVL-XY-TabsCS2\\*.png",
};

namespace {

int adjust_pattern(const char* pattern, const SkinSettings& settings) {
  char command[kCommandBufferSize];
  format_global_command(command, settings, settings.skin_name, pattern);
  int status = run_command(command);
  if (status != kInterruptedStatus) std::printf(".");
  return status;
}

}  // namespace

CommandTally adjust_skin_globally(const SkinSettings& settings) {
  CommandTally tally;
  if (settings.global_adjust != 2) return tally;
  std::printf("Making global adjustments for %s", settings.skin_name);
  for (const char* pattern : kAdjustListA) {
    if (tally.interrupted) break;
    tally.count(adjust_pattern(pattern, settings));
  }
  if (is_multicolor(settings)) {
    for (const char* pattern : kAdjustListB) {
      if (tally.interrupted) break;
      tally.count(adjust_pattern(pattern, settings));
    }
  }
  if (!tally.interrupted) std::printf("Done.\n");
  return tally;
}
