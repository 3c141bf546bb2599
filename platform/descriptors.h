// Open files as the C library numbers them (file descriptors), on both
// systems: the command interpreter hands a command's three standard streams
// around as such numbers, and the programs it starts get them as their own.
//
// Every descriptor opened here is kept from the programs the interpreter
// starts, except as the streams it gives them (platform/launcher.h), and is
// in binary mode: what a command writes reaches the file or console byte
// for byte. Paths are in the local form (platform/paths.h).
#ifndef SKINBUILDER_PLATFORM_DESCRIPTORS_H_
#define SKINBUILDER_PLATFORM_DESCRIPTORS_H_

#include <string>
#include <system_error>

enum class OpenFor {
  kReading,
  kWriting,    // created when missing, emptied when there
  kAppending,  // created when missing
};

// -1 when the file cannot be opened; `failure` then says why.
int open_descriptor(const std::string& path, OpenFor purpose, std::error_code& failure);

// The system's null device, open for reading and writing.
int open_null_device();

// A new empty file that disappears when its descriptor is closed, for what
// one command writes. -1 when none can be made.
int make_scratch_file();

int duplicate_descriptor(int fd);
// Makes `to` stand for what `from` stands for (on Windows descriptor 2 also
// becomes the process's standard error handle, which started programs take).
void place_descriptor(int from, int to);
void close_descriptor(int fd);
// Back to the file's start, to read what was written to it.
void rewind_descriptor(int fd);

// Writes the whole text; reads everything that is left.
void write_text(int fd, const std::string& text);
std::string read_all(int fd);

// Whether fd is a terminal: a POSIX terminal, or a Windows console (not the
// null device, which the C library's isatty counts as one).
bool is_terminal(int fd);
// Clears a terminal's screen and scroll-back; nothing for anything else.
void clear_terminal(int fd);

// Whether two descriptors lead to the same place: the same file, or the
// same console.
bool same_open_file(int a, int b);

#endif  // SKINBUILDER_PLATFORM_DESCRIPTORS_H_
