// The template skin's layout script, Scripts/Template.txt.
//
// A plain declarative layout: named colours, images referenced by their
// path under Images, and layout numbers. The words that the skin builder
// replaces (section, sidebar, EQ, grey and selection colours, the colour
// names switched by the flow and tab options, the version, the host code
// and the host's layout numbers, the host comment markers) stand where the
// finished script needs their values. Image names carry the CS2 to CS4
// tags only where the multicolour clones exist, and no other text contains
// any of those words, since they are matched as plain substrings.
#ifndef SKINBUILDER_SKINDATA_TEMPLATE_SCRIPT_H_
#define SKINBUILDER_SKINDATA_TEMPLATE_SCRIPT_H_

#include <string>

const std::string& template_script_text();

#endif  // SKINBUILDER_SKINDATA_TEMPLATE_SCRIPT_H_
