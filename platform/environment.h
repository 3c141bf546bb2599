// The process's environment and the processors it may use.
//
// Variables set here are inherited by every program the process starts
// afterwards. Their text is the program's narrow text (platform/
// file_system.h); on Windows the wide functions read and write them, so
// that the C library's copy and the one programs inherit stay the same.
#ifndef SKINBUILDER_PLATFORM_ENVIRONMENT_H_
#define SKINBUILDER_PLATFORM_ENVIRONMENT_H_

#include <optional>
#include <string>
#include <vector>

// The variable's value; nothing when it is not set.
std::optional<std::string> environment_value(const char* name);

// Sets a variable; nullptr removes it. On Windows an empty value removes it
// too: its C library keeps no empty variables.
void set_environment_variable(const char* name, const char* value);

// A variable set (or removed, for nullptr) while this lives.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value);
  ~ScopedVariable();
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

// The processors this process may run on, at least 1.
int usable_processors();

// The folders of PATH in their order, an empty entry standing for the
// working folder (".").
std::vector<std::string> path_folders();

#endif  // SKINBUILDER_PLATFORM_ENVIRONMENT_H_
