// What the fuzz targets share: a scratch working folder for the whole run,
// silenced console output, a command recorder, and the check that the
// command lines of a run reach no folder but the skin's and skindata\temp.
//
// The wizard's own work is all command lines (assembly/commands.h); the
// targets record them instead of running them, so a run changes nothing on
// disk, and judge them instead: that is where a hostile answer or preset
// would have to show to delete or write anything outside the skin.
#ifndef SKINBUILDER_FUZZ_FUZZ_SUPPORT_H_
#define SKINBUILDER_FUZZ_FUZZ_SUPPORT_H_

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// Makes a fresh folder under the system's temporary folder, holding only
// skindata\temp, the working folder until the process ends (it is removed
// then), and sends standard
// output to the null device: the wizard prints a great deal and libFuzzer
// reports on standard error. Returns the folder. Call once, from
// LLVMFuzzerInitialize.
std::string enter_scratch_folder(const char* target_name);

// Every line run_command receives from now on is kept, none is run.
void record_commands();
std::vector<std::string>& recorded_lines();

// The entries below the working folder, by relative path, sorted, without
// skindata\temp and the build lock in it.
std::vector<std::string> working_folder_entries();

// Aborts, printing the line and the reason on standard error, when a
// recorded line could delete or write outside the skin folder and
// skindata\temp: the folder "rmdir" clears must be a name the wizard
// accepts, and every path the program puts into a line must lie in that
// folder or in skindata (written only in skindata\temp).
void check_recorded_lines_stay_inside();

// Aborts with the message on standard error; libFuzzer keeps the input.
[[noreturn]] void fuzz_failure(const std::string& message);

// The input as an answer stream: a temporary file that holds the bytes,
// read from its start. The caller closes it.
std::FILE* stream_of(const uint8_t* data, size_t size);

// Runs the whole wizard in-process over the bytes as its answers, the
// recorder in place of the runner (nothing is written); aborts when it ends
// with anything but 0 or 1 or a recorded line reaches outside the skin.
void run_wizard_over(const uint8_t* answers, size_t size);

#endif  // SKINBUILDER_FUZZ_FUZZ_SUPPORT_H_
