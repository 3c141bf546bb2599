// The span of one command line whose standard error goes to the log that
// send_command_errors_to (platform/shell.h) names.
//
// The process's own standard error (descriptor 2) is pointed at the log
// for the length of the command and put back afterwards, so that the
// command keeps the console's three streams: the interpreter runs the
// image tool in this process where it can, and only does so for
// unredirected commands.
#ifndef SKINBUILDER_PLATFORM_ERROR_LOG_H_
#define SKINBUILDER_PLATFORM_ERROR_LOG_H_

class ErrorsToLog {
 public:
  ErrorsToLog();  // nothing when no log is set or it cannot be opened
  ~ErrorsToLog();
  ErrorsToLog(const ErrorsToLog&) = delete;
  ErrorsToLog& operator=(const ErrorsToLog&) = delete;

 private:
  int saved_ = -1;  // the console's standard error while the log stands in
};

#endif  // SKINBUILDER_PLATFORM_ERROR_LOG_H_
