// Offering to install a finished skin into the synthesizer
// (assembly/themes_folders.h, assembly/skin_install.h).
#ifndef SKINBUILDER_WIZARD_INSTALL_OFFER_H_
#define SKINBUILDER_WIZARD_INSTALL_OFFER_H_

// After the ready messages: when Themes folders of the synthesizer are
// found, a menu asks whether to install the skin, "1: No (default)" and
// then one row per folder with its full path; a chosen folder gets the
// skin. When none is found nothing is said or asked. False only when an
// install was chosen and did not happen (the line saying why is printed).
bool offer_install(const char* skin_name);

// For a build without questions: installs into the Themes folder found
// when there is exactly one. With none or several, one line says so and
// nothing is installed. False when the skin was not installed.
bool install_without_questions(const char* skin_name);

#endif  // SKINBUILDER_WIZARD_INSTALL_OFFER_H_
