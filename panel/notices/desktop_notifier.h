#pragma once

#include "panel/notices/phase_notices.h"

// A notice as a desktop notification, through the notification server of the session
// (org.freedesktop.Notifications on the session bus): the title as its summary, the body, and the
// moon as its picture. The server is given up to two seconds to answer.
//
// True when the server took the notification. False when there is no session bus, no server, an
// error reply or no reply in time: the caller then tells the user another way (the tray icon's
// own message). Needs a QGuiApplication, for the moon's picture.
bool SendDesktopNotification(const lunetide::PhaseNotice& notice);
