#pragma once

#include <QString>

// Where the user's own files go, worked out the same way for the settings and the lock, whatever
// the program file is called and however the session was started (a login, su, ssh, cron).

// The home: $HOME when it is an absolute path, otherwise the password database's home. Empty
// when neither is there, or when its name cannot be written as a path the program's file
// functions can open (not UTF-8); the reason is said once on standard error.
QString HomeFolder();

// $XDG_CONFIG_HOME when it is an absolute path (a relative one is ignored, as the XDG rules ask),
// otherwise ~/.config. Empty when there is no home.
QString ConfigFolder();

// The settings file: <config folder>/Lunetide/lunetide.conf. Empty when there is no home.
QString SettingsFilePath();

// The folder below which the program may make the folders on the way to its own files: the home
// when the path is inside it, else the folder above the given base (a configuration folder set
// outside the home). Nothing above a home that is missing is ever made.
QString FolderToMakeBelow(const QString& path, const QString& base);
