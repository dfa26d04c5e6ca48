#pragma once

// Points HOME and XDG_CONFIG_HOME at a private temporary folder for this process,
// so no test ever touches a real user's settings, and reads the settings from there.
// Call before creating the application.
void isolateTestEnvironment();
