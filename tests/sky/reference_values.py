#!/usr/bin/python3
"""Prints the reference rows of test_sky.cpp from PyEphem (run with /usr/bin/python3). PyEphem's
places with epoch=date are geometric on the mean equinox of date: the Moon gets the nutation in
longitude (its four largest terms), the Sun loses its aberration (PyEphem's own next_full_moon
keeps the geometric Sun and comes ~40 s later). Rise and set: topocentric upper limb at -34'."""
import datetime as dt
import math
import zoneinfo

import ephem

DEG = 180 / math.pi


def iso(d):
    return ephem.Date(d).datetime().strftime('%Y-%m-%dT%H:%M:%SZ')


def ecliptic_longitude(body, d):
    body.compute(d, epoch=d)
    return ephem.Ecliptic(body, epoch=d).lon * DEG


def moon_longitude(d):
    t = (ephem.julian_date(d) - 2451545.0) / 36525
    om, ls, lm = (math.radians(a + b * t) for a, b in
                  ((125.04452, -1934.136261), (280.4665, 36000.7698), (218.3165, 481267.8813)))
    nutation = -17.20 * math.sin(om) - 1.32 * math.sin(2 * ls) - 0.23 * math.sin(2 * lm) + 0.21 * math.sin(2 * om)
    return (ecliptic_longitude(ephem.Moon(), d) + nutation / 3600) % 360


def elongation(d):
    sun = ephem.Sun()
    sun_longitude = ecliptic_longitude(sun, d) - 20.49552 / 3600 / sun.earth_distance
    return (ecliptic_longitude(ephem.Moon(), d) - sun_longitude) % 360


def next_crossing(f, d, rate, width):
    """The next instant after d at which f reaches a multiple of `width` degrees."""
    value = f(d)
    target = (int(value // width) + 1) * width
    g = lambda x: (f(x) - target + 180) % 360 - 180
    return target % 360 // width, ephem.Date(ephem.newton(g, d + (target - value) / rate, d + (target - value) / rate + 0.01))


def moon_day(lat, lon, zone, day):
    tz = zoneinfo.ZoneInfo(zone)
    a, b = (ephem.Date(dt.datetime.combine(day + dt.timedelta(days=n), dt.time(), tz).astimezone(dt.timezone.utc)) for n in (0, 1))
    o = ephem.Observer()
    o.lat, o.lon, o.elevation, o.pressure, o.horizon = str(lat), str(lon), 0, 0, '-0:34'
    events = []
    for fn in (o.next_rising, o.next_setting, o.next_transit):
        o.date = a
        try:
            t = fn(ephem.Moon())
            events.append(t if t < b else None)
        except (ephem.AlwaysUpError, ephem.NeverUpError):
            events.append(None)
    o.date, moon = a, ephem.Moon()
    moon.compute(o)
    up = moon.alt + moon.radius > math.radians(-34 / 60)
    return a, b, events, '' if events[0] or events[1] else 'up' if up else 'down'


def full_moons(a, b, lat, hours):
    out, d, last = [], ephem.previous_full_moon(a - 31), None
    while d < b:
        local = (d.datetime() + dt.timedelta(hours=hours))
        equinox = ephem.next_equinox(dt.datetime(local.year, 3 if lat < 0 else 9, 1))
        near = min((ephem.previous_full_moon(equinox), ephem.next_full_moon(equinox)), key=lambda x: abs(x - equinox))
        moon = ephem.Moon(d)
        if d >= a:
            name = NAMES[(local.month - 1 + (6 if lat < 0 else 0)) % 12]
            marks = [m for m, on in (('blue', last == local.strftime('%Y-%m')), ('harvest', abs(near - d) < 1e-3),
                                     ('super', moon.earth_distance * 149597870.7 < 360000)) if on]
            out.append(' '.join([local.strftime('%Y-%m'), name + ' Moon'] + marks))
        last, d = local.strftime('%Y-%m'), ephem.next_full_moon(d + 1)
    return '; '.join(out)


NAMES = ['Wolf', 'Snow', 'Worm', 'Pink', 'Flower', 'Strawberry', 'Buck', 'Sturgeon', 'Corn', "Hunter's", 'Beaver', 'Cold']
PLACES = {'London': (51.5074, -0.1278, 'Europe/London'), 'New York': (40.7128, -74.006, 'America/New_York'),
          'Longyearbyen': (78.2232, 15.6267, 'Arctic/Longyearbyen'), 'Sydney': (-33.8688, 151.2093, 'Australia/Sydney'),
          'Tokyo': (35.6762, 139.6503, 'Asia/Tokyo')}
PHASES_FROM = ['1901/01/02', '1923/07/15', '1969/07/20', '1987/11/11', '2000/01/01', '2023/08/30',
               '2026/12/20', '2077/02/28', '2099/12/24']
SIGNS_FROM = ['1901/01/01 06:00', '1918/11/11 11:00', '1989/11/09', '2000/02/29', '2026/12/24',
              '2058/07/04', '2099/12/30']
ILLUMINATION_AT = ['1901/01/01', '1912/04/15 02:20', '2000/07/01', '2019/01/21 05:12',
                   '2026/03/25 19:17', '2071/05/05 18:00', '2099/12/31 18:00']
FULL_MOONS = [('2023/07/25', '2023/09/05', 51.5, 0), ('2018/01/25', '2018/04/05', 40.71, -5),
              ('2018/01/25', '2018/04/05', -33.87, 11), ('2024/10/01', '2024/11/01', 40.71, -4),
              ('2026/09/01', '2026/11/01', 51.5, 1), ('2026/03/01', '2026/05/01', -33.87, 11),
              ('2026/12/01', '2027/01/01', -33.87, 11)]


def main():
    print('// phases: from, phase (0 new to 3 last quarter), instant')
    for f in PHASES_FROM:
        phase, t = next_crossing(elongation, ephem.Date(f), 12.19, 90)
        print(f'    Row("{iso(f)}", {phase}, "{iso(t)}");')
    print('// signs: from, sign there, entry into the next sign')
    for f in SIGNS_FROM:
        sign, t = next_crossing(moon_longitude, ephem.Date(f), 13.18, 30)
        print(f'    Row("{iso(f)}", {int(moon_longitude(ephem.Date(f)) // 30)}, "{iso(t)}");')
    print('// illumination: instant, fraction, waxing')
    for a in ILLUMINATION_AT:
        d = ephem.Date(a)
        print(f'    Row("{iso(d)}", {ephem.Moon(d).moon_phase:.4f}, {str(elongation(d) < 180).lower()});')
    print('// rise and set: place and local day, latitude, longitude, day start, day end, rise, set, transit, state')
    # A 25-hour and a 23-hour day; the first days of 2026 without moonrise in London, without
    # moonset in Sydney, with the Moon up all day and down all day at Longyearbyen; a day there
    # with a set but no rise.
    days = [('London', 2026, 10, 25), ('New York', 1901, 6, 15), ('Sydney', 2026, 10, 4), ('Tokyo', 2099, 12, 31),
            ('London', 2026, 1, 9), ('Sydney', 2026, 1, 26), ('Longyearbyen', 2026, 1, 1),
            ('Longyearbyen', 2026, 1, 11), ('Longyearbyen', 1901, 3, 8)]
    for name, *date in days:
        day, (lat, lon, zone) = dt.date(*date), PLACES[name]
        a, b, events, state = moon_day(lat, lon, zone, day)
        text = ', '.join(f'"{iso(x)}"' if x is not None else '""' for x in events)
        print(f'    Row("{name} {day}", {lat}, {lon}, "{iso(a)}", "{iso(b)}", {text}, "{state}");')
    print('// full moons: from, to, latitude, UTC offset in hours, the full moons')
    for a, b, lat, hours in FULL_MOONS:
        print(f'    Row("{iso(a)}", "{iso(b)}", {lat}, {hours}, "{full_moons(ephem.Date(a), ephem.Date(b), lat, hours)}");')


if __name__ == '__main__':
    main()
