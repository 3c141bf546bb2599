// The program's command line.
//
// Without arguments the program is the wizard, and everything else comes
// from the dialogue and the working folder. One argument may ask for the
// version (--version) or a short help (--help, -h, or /? as Windows users
// type it): what the program does, where to start it and what it needs.
// Both go to standard output with exit status 0. "--build FILE", with
// "--name NAME" and "--install" after it in any order, each at most once,
// builds a skin from a preset or palette file without questions
// (wizard/driver.h). Anything else is a usage error: one usage line on
// standard error and exit status 2.
#ifndef SKINBUILDER_WIZARD_PROGRAM_OPTIONS_H_
#define SKINBUILDER_WIZARD_PROGRAM_OPTIONS_H_

#include <string>

enum class ProgramRequest { kWizard, kBuild, kHelp, kVersion, kUsageError };

// A build without questions.
struct BuildOrder {
  std::string file;       // a preset or palette file, as given
  std::string path;       // the same, to be read (made absolute before the
                          // working folder may change)
  std::string skin_name;  // --name; empty: the one the file gives
  bool install = false;   // --install
};

struct ProgramCall {
  ProgramRequest request = ProgramRequest::kWizard;
  BuildOrder build;  // for kBuild
};

ProgramCall program_call(int argc, const char* const* argv);

// Prints what a request other than kWizard asks for and returns the exit
// status the program ends with.
int answer_request(ProgramRequest request);

#endif  // SKINBUILDER_WIZARD_PROGRAM_OPTIONS_H_
