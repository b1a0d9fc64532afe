#pragma once

#include <cmath>

// Root finding on the smooth, slowly changing angles of the sky.

namespace lunetide::sky {

// The instant near `guess` at which `f` (an angle difference in degrees, already brought into
// [-180, 180)) crosses zero, for an `f` that grows steadily at about `ratePerDay`, as the Moon's
// elongation and longitude and the Sun's longitude do. A first step at that rate, then secant
// steps. Their error shrinks faster than their length: once a secant step is under five minutes,
// the point it reaches is within a second or two and is taken without evaluating `f` there.
template <class F> double SolveIncreasing(F f, double guess, double ratePerDay)
{
    constexpr double kLastStep = 5.0 / 1440;
    double t0 = guess;
    double f0 = f(t0);
    double t1 = t0 - f0 / ratePerDay;
    for (int step = 0; step < 30; ++step) {
        const double f1 = f(t1);
        if (f1 == 0 || t1 == t0)
            return t1;
        double slope = (f1 - f0) / (t1 - t0);
        if (!(slope > ratePerDay / 4)) // never step away from the root on a flat or broken slope
            slope = ratePerDay;
        const double t2 = t1 - f1 / slope;
        if (std::abs(t2 - t1) < kLastStep)
            return t2;
        t0 = t1;
        f0 = f1;
        t1 = t2;
    }
    return t1;
}

// A zero of `f` between `a` and `b`, where f(a) and f(b) differ in sign: regula falsi with the
// Illinois modification, to a tenth of a second.
template <class F> double SolveBracketed(F f, double a, double fa, double b, double fb)
{
    constexpr double kTolerance = 0.1 / 86400;
    int lastMoved = 0;
    for (int step = 0; step < 60 && b - a > kTolerance; ++step) {
        const double t = (a * fb - b * fa) / (fb - fa);
        const double ft = f(t);
        if ((ft < 0) == (fa < 0)) {
            a = t;
            fa = ft;
            if (lastMoved == -1)
                fb /= 2;
            lastMoved = -1;
        } else {
            b = t;
            fb = ft;
            if (lastMoved == 1)
                fa /= 2;
            lastMoved = 1;
        }
        if (ft == 0)
            return t;
    }
    return (a * fb - b * fa) / (fb - fa);
}

} // namespace lunetide::sky
