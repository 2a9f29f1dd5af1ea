#pragma once

namespace varden {

// The application object: sets up the framework and the profile key, runs the main controller
// as a modal dialog and destroys it (which releases the light sources). Returns the exit code.
int RunControlPanelApp(int argc, char** argv);

}  // namespace varden
