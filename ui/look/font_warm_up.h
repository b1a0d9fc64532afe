#pragma once

#include <thread>

// Reads the system's font configuration on a thread of its own. Qt reads it the first time a
// window needs a font, after the application has connected to the display, and parsing its files
// is about a quarter of a start-up. Started before the QApplication is constructed, the reading
// runs while the connection is made, and the window finds it done.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Waits until the configuration is read, so that Qt does not read it a second time meanwhile.
    void Wait();

private:
    std::thread thread_;
};
