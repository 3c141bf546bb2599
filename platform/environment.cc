#include "platform/environment.h"

ScopedVariable::ScopedVariable(const char* name, const char* value)
    : name_(name), old_(environment_value(name)) {
  set_environment_variable(name, value);
}

ScopedVariable::~ScopedVariable() {
  set_environment_variable(name_.c_str(), old_ ? old_->c_str() : nullptr);
}
