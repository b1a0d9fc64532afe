#pragma once

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>

// The calendar's two timings, measured alike for Lunetide's calendar and for a plain
// QCalendarWidget: opening (the window built, shown and painted) and moving one month (the next
// month's page painted). Each program prints "calendar <open ms> <move ms>", medians.

namespace calendar_timing {

constexpr int kOpenings = 30;
constexpr int kMoves = 200;

inline double MedianOf(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

// Shows the window and returns once it is on screen and painted.
inline void ShowPainted(QWidget* window)
{
    window->show();
    while (!window->windowHandle() || !window->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    QCoreApplication::processEvents();
}

// open: builds the window showing 24 December 2026 (not shown yet); calendar: its month widget.
inline int Measure(const std::function<QWidget*()>& open,
                   const std::function<QCalendarWidget*(QWidget*)>& calendar)
{
    QList<double> openMs;
    for (int i = 0; i < kOpenings; ++i) {
        QElapsedTimer timer;
        timer.start();
        QWidget* window = open();
        ShowPainted(window);
        openMs << double(timer.nsecsElapsed()) / 1e6;
        delete window;
        QCoreApplication::processEvents();
    }

    // Forward month by month from December 2026, each month a page not seen before.
    QWidget* window = open();
    ShowPainted(window);
    QCalendarWidget* month = calendar(window);
    QList<double> moveMs;
    for (int i = 0; i < kMoves; ++i) {
        QElapsedTimer timer;
        timer.start();
        month->showNextMonth();
        window->repaint();
        QCoreApplication::processEvents();
        moveMs << double(timer.nsecsElapsed()) / 1e6;
    }
    delete window;
    std::printf("calendar %.3f %.3f\n", MedianOf(openMs), MedianOf(moveMs));
    std::fflush(stdout);
    return 0;
}

} // namespace calendar_timing
