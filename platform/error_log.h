// The span of one command line whose standard error goes to the log that
// send_command_errors_to (platform/shell.h) names. Both shells use it.
//
// The process's own standard error (descriptor 2) is pointed at the log
// for the length of the command and put back afterwards, so that the
// command keeps the console's three streams: the POSIX interpreter runs
// the image tool in this process where it can, and only does so for
// unredirected commands; on Windows, _dup2 on descriptor 2 also sets the
// process's standard handle, which cmd.exe and the tools inherit. The
// descriptor calls themselves are the system's (error_log_posix.cc,
// error_log_win32.cc).
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

// The system's descriptor calls the span needs.
int open_error_log(const char* path, bool truncate);  // -1 when it cannot
int duplicate_descriptor(int fd);
void place_descriptor(int from, int to);
void close_descriptor(int fd);

#endif  // SKINBUILDER_PLATFORM_ERROR_LOG_H_
