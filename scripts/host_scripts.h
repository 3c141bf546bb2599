// Turning the filled-in template script into the two hosts' scripts.
//
// Scripts\Template.txt of the skin is copied to Zebra2.txt and ZebraHZ.txt
// (overwriting them) and deleted, all by command lines; then each copy gets
// its host's code, layout numbers and comment markers. Afterwards the two
// scripts differ only in those ten values: Zebra2's turns the block between
// Z2COMMENTSTART and Z2COMMENTEND into a /* */ comment, ZebraHZ's drops the
// markers and keeps the block.
#ifndef SKINBUILDER_SCRIPTS_HOST_SCRIPTS_H_
#define SKINBUILDER_SCRIPTS_HOST_SCRIPTS_H_

#include <cstddef>

void customize_host_scripts(const char* skin_name);

// Length of the longer script copy command for this skin name, which may
// exceed the command buffer: the copies name the skin folder twice.
size_t longest_host_script_command(const char* skin_name);

#endif  // SKINBUILDER_SCRIPTS_HOST_SCRIPTS_H_
