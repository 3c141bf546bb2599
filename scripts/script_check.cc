#include "scripts/script_check.h"

#include <cstdio>
#include <vector>

#include "assembly/commands.h"
#include "platform/native_path.h"
#include "scripts/placeholders.h"

namespace {

// What filling in may change on a line: a placeholder (the short forms
// stand for the others), or a section tag that single-colour designs turn
// into CS1. Any other line reads in the script as in the template.
std::vector<std::string> changing_texts() {
  std::vector<std::string> texts = filled_placeholders(1);
  const auto& tags = kTemplatePlaceholders.section_tags;
  texts.insert(texts.end(), std::begin(tags) + 1, std::end(tags));
  return texts;
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

bool may_change(const std::string& line, const std::vector<std::string>& changing) {
  for (const std::string& text : changing) {
    if (line.find(text) != std::string::npos) return true;
  }
  return false;
}

// Read as the scripts are written, in text mode; false when it cannot be.
bool read_text(const std::string& path, std::string& text) {
  std::FILE* in = std::fopen(path.c_str(), "r");
  if (in == nullptr) return false;
  char chunk[4096];
  size_t count;
  while ((count = std::fread(chunk, 1, sizeof chunk, in)) > 0) text.append(chunk, count);
  bool failed = std::ferror(in) != 0;
  std::fclose(in);
  return !failed;
}

ScriptState check_script_file(const std::string& template_text, const SkinSettings& settings,
                              const char* base_name) {
  char path[kCommandBufferSize];
  format_command(path, ".\\%s\\Scripts\\%s.txt", settings.skin_name, base_name);
  std::string script;
  if (path[0] == '\0' || !read_text(native_path(path), script)) return ScriptState::kMissing;
  return check_script_text(template_text, script, settings.tab_color_mode);
}

}  // namespace

std::string placeholder_left(const std::string& script, int32_t tab_color_mode) {
  for (const std::string& placeholder : filled_placeholders(tab_color_mode)) {
    if (script.find(placeholder) != std::string::npos) return placeholder;
  }
  return std::string();
}

ScriptState check_script_text(const std::string& template_text, const std::string& script,
                              int32_t tab_color_mode) {
  std::vector<std::string> expected = lines_of(template_text);
  std::vector<std::string> lines = lines_of(script);
  if (lines.size() != expected.size()) return ScriptState::kCut;
  std::vector<std::string> changing = changing_texts();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!may_change(expected[i], changing) && lines[i] != expected[i]) return ScriptState::kCut;
  }
  if (!placeholder_left(script, tab_color_mode).empty()) return ScriptState::kPlaceholdersLeft;
  return ScriptState::kComplete;
}

ScriptCheck check_host_scripts(const SkinSettings& settings) {
  ScriptCheck check;
  std::string template_text;
  if (!read_text(native_path(".\\skindata\\SkinTemplate\\Scripts\\Template.txt"), template_text)) {
    check.zebra2 = check.zebra_hz = ScriptState::kCut;  // nothing to hold them to
    return check;
  }
  check.zebra2 = check_script_file(template_text, settings, "Zebra2");
  check.zebra_hz = check_script_file(template_text, settings, "ZebraHZ");
  return check;
}
