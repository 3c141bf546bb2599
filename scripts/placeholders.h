// The words of the template script that the skin builder fills in, and the
// fixed values some of them take.
//
// The template pass (scripts/template_script.h) and the host pass
// (scripts/host_scripts.h) fill them from these tables, and the check of a
// finished script (scripts/script_check.h) looks for any of them left.
// They are matched as plain substrings, so some are made of others: a
// section's sidebar colour is its colour word followed by the sidebar
// brightness word (HEXCS2 and SBARBRT), and the colour names switched by
// the flow and tab options are numbered after a blank, 1 to 4 ("ALT Custom
// 3"), where a short form also matches inside the numbered ones.
#ifndef SKINBUILDER_SCRIPTS_PLACEHOLDERS_H_
#define SKINBUILDER_SCRIPTS_PLACEHOLDERS_H_

#include <cstdint>
#include <string>
#include <vector>

// A colour name of the template, switched by the flow mod.
struct FlowName {
  const char* placeholder;  // the short form
  const char* flow_on;      // each numbered form becomes this, number and all
  const char* flow_off;     // the short form becomes this, numbers kept
};

// The colour name of the tabs, switched by the tab option.
struct TabName {
  const char* placeholder;  // the short form
  const char* selection;    // the forms numbered in selection_numbers become this
  int selection_numbers[2];
  const char* plain;  // otherwise the short form becomes this, numbers kept
};

struct TemplatePlaceholders {
  const char* section_colours[4];  // CS1 .. CS4
  const char* sidebar_brightness;
  const char* sidebar_width;
  const char* selection_colour;
  const char* eq_bands[4];
  const char* greys[3];  // light, middle, dark
  const char* version;
  FlowName flow_names[3];
  TabName tab_name;
  // The section tags in image names, which single-colour designs turn into
  // the first: no CS2..CS4 images exist there.
  const char* section_tags[4];
};

inline constexpr TemplatePlaceholders kTemplatePlaceholders = {
    {"HEXCS1", "HEXCS2", "HEXCS3", "HEXCS4"},
    "SBARBRT",
    "SBARWID",
    "HEXSEL",
    {"HEXEQ1", "HEXEQ2", "HEXEQ3", "HEXEQ4"},
    {"HEXLG", "HEXMG", "HEXDG"},
    "KVLVER",
    {{"ALT Custom", "SelectColour Trans", "Trans Custom"},
     {"ALT2 Custom", "SelectColour", "Bright Custom"},
     {"ALT3 Custom", "SelectColour Mid", "Mid Custom"}},
    {"ALT4 Custom", "SelectColour", {1, 4}, "Bright Custom"},
    {"CS1", "CS2", "CS3", "CS4"},
};

// The values that differ between the two hosts' scripts. No placeholder
// here occurs inside another, so their order is only habit.
struct HostValue {
  const char* placeholder;
  const char* zebra2;
  const char* zebra_hz;
};

inline constexpr HostValue kHostValues[] = {
    {"ZCODE", "Z2", "ZHZ"},
    {"MSEGTABWID", "356.00", "708.00"},
    {"Z2COMMENTSTART", "/*", ""},
    {"Z2COMMENTEND", "*/", ""},
    {"MSEGTABOFF", "598.00", "510.00"},
    {"MSEGTABHALFWID", "178.00", "354.00"},
    {"MSEGTABINCOFF", "608.00", "520.00"},
    {"OVL2OFF", "789.00", "609.00"},
    {"OVL2WID", "336.00", "516.00"},
    {"OVL1WID", "110.00", "84.00"},
};

// A numbered colour name: "ALT Custom" and 3 give "ALT Custom 3".
std::string numbered(const char* name, int number);

// Every placeholder the two passes fill in, as a finished script must no
// longer hold it: the short forms stand for the composed and numbered ones.
// With tab_color_mode 2 the tab names other than those that take the
// selection colour stay, as they should, so only those are listed.
std::vector<std::string> filled_placeholders(int32_t tab_color_mode);

#endif  // SKINBUILDER_SCRIPTS_PLACEHOLDERS_H_
