#pragma once
// Start-up without a graphical desktop. The toolkit's X11 and Wayland
// platforms need a desktop session named in the environment (DISPLAY,
// WAYLAND_DISPLAY); without one the toolkit aborts with an English advice
// to reinstall the program, which does not help.

namespace platform {

// Whether the window can be tried: a desktop session is named, or a
// platform that needs none (offscreen, vnc ...) is asked for through
// QT_QPA_PLATFORM or the toolkit's -platform option. Checked before the
// application object is made.
bool desktopNamed(int argc, char** argv);

// Says on the error output, in German, that the program needs a graphical
// desktop, and returns the exit code for that case.
int reportNoDesktop();

// While on (around the making of the application object): should the
// toolkit still fail to reach the desktop, such as a named display that
// does not answer, the program ends with reportNoDesktop() instead.
void catchDesktopFailure(bool on);

} // namespace platform
