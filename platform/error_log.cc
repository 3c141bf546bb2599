#include "platform/error_log.h"

#include <cstdio>
#include <string>
#include <system_error>

#include "platform/descriptors.h"
#include "platform/shell.h"

namespace {

std::string error_log;
bool error_log_fresh = false;

}  // namespace

void send_command_errors_to(const char* path, bool afresh) {
  error_log = path != nullptr ? path : "";
  error_log_fresh = afresh;
}

ErrorsToLog::ErrorsToLog() {
  if (error_log.empty()) return;
  std::error_code failure;
  int log = open_descriptor(error_log, error_log_fresh ? OpenFor::kWriting : OpenFor::kAppending,
                            failure);
  if (log < 0) return;
  error_log_fresh = false;
  std::fflush(stderr);
  saved_ = duplicate_descriptor(2);
  place_descriptor(log, 2);
  close_descriptor(log);
}

ErrorsToLog::~ErrorsToLog() {
  if (saved_ < 0) return;
  std::fflush(stderr);
  place_descriptor(saved_, 2);
  close_descriptor(saved_);
}
