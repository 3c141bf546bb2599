#include "skindata/template_script.h"

namespace {

// Colours are written RRGGBB, or RRGGBBAA where the last pair is opacity.
// Paths are relative to the skin's Images folder.
const char* const kScript = R"(// Korvel Dazo layout script KVLVER for host ZCODE
// Colours: RRGGBB, or RRGGBBAA where the last pair is the opacity.
// Images: paths under the skin's Images folder. Sizes and offsets in pixels.

Skin {
    Name      = "Korvel Dazo"
    Version   = "KVLVER"
    Host      = "ZCODE"
    Background = image "Panes/Background-ZCODE.png"
    Upper     = image "Panes/Upper-ZCODE.png"
}

Colours {
    // the four sections
    "Generators"          = HEXCS1
    "Modulators"          = HEXCS2
    "Effects"             = HEXCS3
    "Globals"             = HEXCS4

    // full, middle and translucent forms of each section colour
    "Bright Custom 1"     = HEXCS1
    "Bright Custom 2"     = HEXCS2
    "Bright Custom 3"     = HEXCS3
    "Bright Custom 4"     = HEXCS4
    "Mid Custom 1"        = HEXCS1 opacity 60
    "Mid Custom 2"        = HEXCS2 opacity 60
    "Mid Custom 3"        = HEXCS3 opacity 60
    "Mid Custom 4"        = HEXCS4 opacity 60
    "Trans Custom 1"      = HEXCS1 opacity 25
    "Trans Custom 2"      = HEXCS2 opacity 25
    "Trans Custom 3"      = HEXCS3 opacity 25
    "Trans Custom 4"      = HEXCS4 opacity 25

    // the selection colour in the same three forms
    "SelectColour"        = HEXSEL
    "SelectColour Mid"    = HEXSEL opacity 60
    "SelectColour Trans"  = HEXSEL opacity 25

    // module sidebars: section colour and sidebar opacity
    "Sidebar 1"           = HEXCS1SBARBRT
    "Sidebar 2"           = HEXCS2SBARBRT
    "Sidebar 3"           = HEXCS3SBARBRT
    "Sidebar 4"           = HEXCS4SBARBRT

    // equaliser bands, low to high
    "EQ Band 1"           = HEXEQ1
    "EQ Band 2"           = HEXEQ2
    "EQ Band 3"           = HEXEQ3
    "EQ Band 4"           = HEXEQ4

    // neutral tones
    "Light Grey"          = HEXLG
    "Middle Grey"         = HEXMG
    "Dark Grey"           = HEXDG
    "Text"                = HEXLG
    "Panel Line"          = HEXMG
    "Display"             = HEXDG
}

Sidebars {
    Width     = SBARWID
    Generator = colour "Sidebar 1"
    Modulator = colour "Sidebar 2"
    Effect    = colour "Sidebar 3"
    Global    = colour "Sidebar 4"
}

Tabs {
    Main      = strip "Animations/KVL-MainTab/KVL-MainTab.png" frames 4
    MainText  = colour "ALT4 Custom 1"
    Bottom    = strip "Animations/KVL-BotTabs-ZCODE/KVL-BotTabs-ZCODE.png"
    BottomText = colour "ALT4 Custom 4"
    Bar       = image "Panes/CS1KVL-Tab-Main.png"
    Synth     = image "Panes/Synth-ZCODE.png"
    Arp       = image "Panes/Arpeggiator-ZCODE.png"
    Perform   = image "Panes/Perform-ZCODE.png"
    Matrix    = image "Panes/Matrix.png"
    FX        = image "Panes/FXGrid-ZCODE.png"
    Program   = image "Panes/Programmer-ZCODE.png"
    Global    = image "Panes/Global-ZCODE.png"
    LowerBar  = image "Panes/CS4KVL-Tab-Lower.png"
}

// Generators
Module "Oscillator" {
    Sidebar   = colour "Sidebar 1"
    Title     = image "Panes/CS1KVL-Title-OSC.png"
    Frame     = image "Panes/Module.png"
    Knob      = strip "Animations/KVL-CS1Knob-Bi/KVL-CS1Knob-Bi.png"
    KnobSmall = strip "Animations/KVL-CS1Knob-Uni/KVL-CS1Knob-Uni-Small.png"
    Wave      = strip "Animations/KVL-FMOgen/KVL-FMOgen.png"
    Display   = image "Controls/CS1Scope.png"
    Fill      = colour "ALT Custom 1"
    Value     = colour "ALT2 Custom 1"
    Label     = colour "ALT3 Custom 1"
}

Module "Filter" {
    Sidebar   = colour "Sidebar 1"
    Title     = image "Panes/CS1KVL-Title-VCF.png"
    Type      = strip "Animations/KVL-VCFBotTypesCS1/KVL-VCFBotTypesCS1.png"
    ModType   = strip "Animations/KVL-VCF-ModTypesCS1/KVL-VCF-ModTypesCS1.png"
    Knob      = strip "Animations/KVL-CS1Knob-Uni/KVL-CS1Knob-Uni.png"
    Power     = strip "Animations/KVL-BtnIOCS1/KVL-BtnIOCS1.png" frames 2
    Fill      = colour "ALT Custom 1"
    Value     = colour "ALT2 Custom 1"
}

// Modulators
Module "Envelope" {
    Sidebar   = colour "Sidebar 2"
    Attack    = image "Controls/CS2EnvAttack.png"
    Decay     = image "Controls/CS2EnvDecay.png"
    Sustain   = image "Controls/CS2EnvSustain.png"
    Release   = image "Controls/CS2EnvRelease.png"
    Handle    = image "Controls/CS2EnvSlider.png"
    Knob      = strip "Animations/KVL-CS2Knob-Uni/KVL-CS2Knob-Uni.png"
    Fill      = colour "ALT Custom 2"
    Value     = colour "ALT2 Custom 2"
    Label     = colour "ALT3 Custom 2"
}

Module "LFO" {
    Sidebar   = colour "Sidebar 2"
    Wave      = strip "Animations/KVL-LFOWavesCS2/KVL-LFOWavesCS2.png"
    Gate      = strip "Animations/KVL-GateCS2/KVL-GateCS2.png" frames 2
    Sync      = strip "Animations/KVL-BtnCS2-SL/KVL-BtnCS2-SL.png" frames 2
    Knob      = strip "Animations/KVL-CS2Knob-Bi/KVL-CS2Knob-Bi.png"
    Fill      = colour "ALT Custom 2"
}

Module "MSEG" {
    Sidebar   = colour "Sidebar 2"
    Tabs      = strip "Animations/KVL-MsegTabsCS2-ZCODE/KVL-MsegTabsCS2-ZCODE.png"
    TabsX     = MSEGTABOFF
    TabsWidth = MSEGTABWID
    TabsMid   = MSEGTABHALFWID
    TabsStep  = MSEGTABINCOFF
    Edit      = strip "Animations/KVL-Btn-EditMasterCS2/KVL-Btn-EditMasterCS2.png" frames 2
    Dot       = image "Controls/CS2KVL-DotOn.png"
    Grip      = image "Controls/CS2KVL-DragHandle.png"
}

Module "Modulation" {
    Sidebar   = colour "Sidebar 2"
    Slot      = image "Controls/CS2ModSlot.png"
    Up        = image "Controls/CS2ModArrowUp.png"
    Down      = image "Controls/CS2ModArrowDown.png"
    Depth     = image "Controls/CS2KVL-ModRing.png"
    Wheel     = image "Controls/CS2KVL-ModWheel.png"
    Power     = strip "Animations/KVL-BtnIOCS2/KVL-BtnIOCS2.png" frames 2
}

Module "XY" {
    Sidebar   = colour "Sidebar 2"
    Pad       = image "Panes/CS2KVL-XY-Pad.png"
    Tabs      = strip "Animations/KVL-XY-TabsCS2/KVL-XY-TabsCS2.png"
    Mode      = strip "Animations/KVL-XY-LS/KVL-XY-LS.png" frames 2
    Dot       = image "Controls/CS2KVL-XYDot.png"
    Cross     = image "Controls/CS2XYGrid.png"
}

Module "Arpeggiator" {
    Sidebar   = colour "Sidebar 2"
    Step      = strip "Animations/KVL-StepCS2/KVL-StepCS2.png" frames 2
    Length    = strip "Animations/KVL-NoteLengthCS2/KVL-NoteLengthCS2.png"
    Voices    = strip "Animations/KVL-VoicesCS2/KVL-VoicesCS2.png"
    Plus      = strip "Animations/KVL-plusminusCS2/KVL-plusminusCS2-Plus.png" frames 2
    Minus     = strip "Animations/KVL-plusminusCS2/KVL-plusminusCS2-Minus.png" frames 2
    First     = image "Controls/CS2KVL-ArpFirst.png"
    Next      = image "Controls/CS2KVL-ArpNext.png"
    Same      = image "Controls/CS2KVL-ArpSame.png"
    Midi      = image "Controls/CS2KVL-MidiIcon.png"
    Pitch     = image "Controls/CS1PMBar.png"
}

// Effects
Module "Resonance" {
    Sidebar   = colour "Sidebar 3"
    Meter     = image "Controls/CS3KVL-ResBar.png"
    Slider    = image "Controls/CS3KVL-SliderCap.png"
    Fill      = image "Controls/CS3KVL-SliderFill.png"
    Knob      = strip "Animations/KVL-CS3Knob-Bi/KVL-CS3Knob-Bi.png"
    Label     = colour "ALT3 Custom 3"
}

Module "XMF" {
    Sidebar   = colour "Sidebar 3"
    Type1     = strip "Animations/KVL-XmfT1CS3/KVL-XmfT1CS3.png"
    Type2     = strip "Animations/KVL-XmfT2CS3/KVL-XmfT2CS3.png"
    Type      = strip "Animations/KVL-VCFBotTypesCS3/KVL-VCFBotTypesCS3.png"
    Knob      = strip "Animations/KVL-CS3Knob-Uni/KVL-CS3Knob-Uni.png"
    Fill      = colour "ALT Custom 3"
    Value     = colour "ALT2 Custom 3"
}

Module "Equaliser" {
    Sidebar   = colour "Sidebar 3"
    Low       = colour "EQ Band 1"
    LowMid    = colour "EQ Band 2"
    HighMid   = colour "EQ Band 3"
    High      = colour "EQ Band 4"
    Curve     = colour "Light Grey"
}

// Globals
Module "Global" {
    Sidebar   = colour "Sidebar 4"
    Knob      = strip "Animations/KVL-CS4Knob-Bi/KVL-CS4Knob-Bi.png"
    KnobUni   = strip "Animations/KVL-CS4Knob-Uni/KVL-CS4Knob-Uni.png"
    Power     = strip "Animations/KVL-BtnIOCS4/KVL-BtnIOCS4.png" frames 2
    PowerGrey = strip "Animations/KVL-BtnIO-MGCS1/KVL-BtnIO-MGCS1.png" frames 2
    Midi      = strip "Animations/KVL-MidiLightCS4/KVL-MidiLightCS4.png"
    Swing     = strip "Animations/KVL-SwingLightCS4/KVL-SwingLightCS4.png"
    Title     = image "Panes/CS4KVL-Title-ARP.png"
    Fill      = colour "ALT Custom 4"
    Value     = colour "ALT2 Custom 4"
    Label     = colour "ALT3 Custom 4"
}

Browser {
    Pane      = image "Panes/Browser.png"
    Direct    = strip "Animations/Tab-PBDirectCS4/Tab-PBDirectCS4.png" frames 2
    Tags      = strip "Animations/Tab-PBTagsCS4/Tab-PBTagsCS4.png" frames 2
    Next      = image "Controls/CS4KVL-next.png"
    Previous  = image "Controls/CS4KVL-prev.png"
    Save      = image "Icons/CS4Save.png"
    Load      = image "Icons/CS4Load.png"
    Lock      = image "Icons/CS2Lock.png"
    Row       = colour "Trans Custom 4"
}

Preferences {
    Pane      = image "Panes/Preferences.png"
    Tab       = strip "Animations/PrefTabCS4/PrefTabCS4.png" frames 2
    Close     = strip "Animations/PrefCloseCS4/PrefCloseCS4.png" frames 2
    Modulate  = image "Controls/CS4ModSlot.png"
    Meter     = image "Controls/CS4PMLed.png"
    Accent    = image "Other/CS2Accent.png"
    Sample    = image "Other/CS1Sample.png"
}

Overlays {
    Overlay1Width  = OVL1WID
    Overlay2X      = OVL2OFF
    Overlay2Width  = OVL2WID
    Highlight      = image "Other/CS1Glow.png"
}

Z2COMMENTSTART
// Elements that only the newer host draws
Module "Performance" {
    Pane      = image "Panes/Lower-ZCODE.png"
    Knob      = strip "Animations/KVL-CS2Knob-Bi/KVL-CS2Knob-Bi-Large.png"
    Dial      = image "Controls/CS2KVL-Dial.png"
    Slider    = image "Controls/CS2KVL-MiniSlider.png"
    Fill      = colour "ALT Custom 2"
}
Z2COMMENTEND
)";

}  // namespace

const std::string& template_script_text() {
  static const std::string text = kScript;
  return text;
}
