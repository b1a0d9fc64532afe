#pragma once

// Qt's calendar tells a screen reader only the number of each day. Installed once, this gives the
// day cells of every MoonCalendar the whole date and the day's phase as their name:
// "Thursday 24 December 2026, Full Moon". Everything else about the calendar's table reaches the
// screen reader as Qt's own table gives it.

namespace lunetide::ui {

// Call before the first MoonCalendar is built; calling again does nothing.
void InstallCalendarAccessible();

} // namespace lunetide::ui
