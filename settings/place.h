#pragma once

#include <QString>

// Where the user is, for the moon's rise and set: the place set in the settings file, or the time
// zone's own place.
struct Place {
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    QString city;         // the time zone's city ("Sydney", "Sao Paulo"); empty for a set place
};

// True for a latitude of -90 to 90 and a longitude of -180 to 180 degrees.
bool IsValidPlace(double latitude, double longitude);

// How a view names the place a rise or set is for: "Sydney (the time zone's place)", or
// "52.52° N, 13.40° E".
QString PlaceText(const Place& place);
