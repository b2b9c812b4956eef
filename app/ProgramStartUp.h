// The program's static start-up, in the order the updater needs it: the skin
// container kinds, the skin object classes, the skin file as a theme class of
// the theme manager; then the classes the main window's layout names.
#pragma once

namespace z5t8::app {

// Safe to call more than once; later calls do nothing.
void Program_Start_Up();

}  // namespace z5t8::app
