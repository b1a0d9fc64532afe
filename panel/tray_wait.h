#pragma once

#include <QByteArray>

#include <functional>

class QObject;

// At login a panel often starts after the programs the session starts with it: the tray program
// waits for a tray to appear before it gives up.

// Seconds to wait for a tray: LUNETIDE_PANEL_TRAY_WAIT when it is a whole number of seconds from 0
// to 3600, else two minutes.
int TrayWaitSeconds(const QByteArray& setting);

// Calls `ready` as soon as there is a system tray (at once when there is one), else `gaveUp` after
// `seconds`; it looks twice a second from the event loop, which keeps running meanwhile.
void AwaitTray(QObject* owner, int seconds, std::function<void()> ready,
               std::function<void()> gaveUp);
