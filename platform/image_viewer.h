// Showing an image to the user, as cmd does when a line names a .png file.
//
// The image is handed to the system's viewer, which is left running, and
// open_image returns at once: on Windows to the program associated with the
// file's type (ShellExecuteEx "open"; when none is, nothing asks the user),
// elsewhere to the desktop's opener (xdg-open, or open on macOS) when there
// is a display (DISPLAY or WAYLAND_DISPLAY set; always on macOS). When no
// viewer takes it and standard output is a terminal (on Windows a console
// that takes ANSI colour codes, platform/console.h), the image is drawn in
// it with 24-bit colour half blocks (platform/terminal_image.h). Otherwise
// nothing is shown.
#ifndef SKINBUILDER_PLATFORM_IMAGE_VIEWER_H_
#define SKINBUILDER_PLATFORM_IMAGE_VIEWER_H_

void open_image(const char* path);

// Whether an image was drawn in the terminal since the last call, so that
// text printed now stands right under it; each call clears the answer. A
// line that names a missing image, or an image handed to a viewer, draws
// nothing.
bool image_drawn_in_terminal();

#endif  // SKINBUILDER_PLATFORM_IMAGE_VIEWER_H_
