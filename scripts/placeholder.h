// Rewriting a script file with every match of one placeholder replaced.
//
// The placeholder is a regular expression (ECMAScript, default options, so
// case-sensitive); the placeholders the program uses hold no special
// character, so each matches its own text. The value goes in as it stands,
// whatever it holds ("$" included: a measured colour is whatever the
// listing file held). Matches do not overlap and an inserted value is not scanned
// again in the same call, so a placeholder also matches inside a longer one
// (HEXCS1 inside HEXCS1SBARBRT) and the order of calls matters.
//
// The file is read whole in text mode. A file that does not exist reads as
// empty and becomes an empty file (when its folder exists). The file is
// never lost half-written: the new text goes to "<path>.new" beside it,
// which is then renamed over it. An existing file that cannot be read is
// left as it is with a one-line message; a file that cannot be written stays
// as it is, silently. An empty path (one that did not fit its buffer)
// changes nothing.
#ifndef SKINBUILDER_SCRIPTS_PLACEHOLDER_H_
#define SKINBUILDER_SCRIPTS_PLACEHOLDER_H_

// path is in the command interpreter's form (".\skin\Scripts\Template.txt").
void replace_placeholder(const char* path, const char* placeholder, const char* value);

#endif  // SKINBUILDER_SCRIPTS_PLACEHOLDER_H_
