// Reading and writing this computer's settings, "zuntab.ini" in the program
// folder (see settings.h for the tables it fills).
#pragma once

#include <QString>

#include "host/settings.h"

namespace kz {

// The settings file's full path.
QString SettingsFilePath();

// Puts the defaults into the settings' tables; values without a default keep
// theirs.
void DefaultSettings(Settings& settings);

// The defaults, then what the settings file holds when it exists and is
// recognised. Values the program could not work with (a placement that is
// not a number, a negative column width, an interval outside one minute to
// one day) are replaced by sane ones; an ID range no ID could be issued from
// leaves the default, with a message.
void LoadSettings(Settings& settings);

// Writes the settings file completely or not at all: a failure leaves the
// previous file as it was and is reported to the user. False on failure.
bool SaveSettings(Settings& settings);

}  // namespace kz
