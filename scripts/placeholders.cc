#include "scripts/placeholders.h"

std::string numbered(const char* name, int number) {
  return std::string(name) + " " + std::to_string(number);
}

std::vector<std::string> filled_placeholders(int32_t tab_color_mode) {
  const TemplatePlaceholders& words = kTemplatePlaceholders;
  std::vector<std::string> list(std::begin(words.section_colours), std::end(words.section_colours));
  list.insert(list.end(), std::begin(words.eq_bands), std::end(words.eq_bands));
  list.insert(list.end(), std::begin(words.greys), std::end(words.greys));
  list.insert(list.end(), {words.sidebar_brightness, words.sidebar_width, words.selection_colour,
                           words.version});
  for (const FlowName& name : words.flow_names) list.push_back(name.placeholder);
  const TabName& tab = words.tab_name;
  if (tab_color_mode == 2) {
    for (int number : tab.selection_numbers) list.push_back(numbered(tab.placeholder, number));
  } else {
    list.push_back(tab.placeholder);
  }
  for (const HostValue& row : kHostValues) list.push_back(row.placeholder);
  return list;
}
