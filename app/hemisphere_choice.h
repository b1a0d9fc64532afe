#pragma once

#include "app/forms.h"

class UserSettings;

// The moon is drawn as the user sees it: the hemisphere comes from the settings file (or, without a
// choice there, from the time zone) when the main window is made, and File > Southern Hemisphere
// stores the user's choice in the settings file.
// The settings are read once for the run and must outlive the sources.
void UseSettingsForHemisphere(Forms::Sources& sources, UserSettings& settings);

// The sky window's rise and set are for the user's place: the one in the settings file, else the
// time zone's, read again each time the window opens; File > Your Place stores or removes it.
void UseSettingsForPlace(Forms::Sources& sources, UserSettings& settings);
