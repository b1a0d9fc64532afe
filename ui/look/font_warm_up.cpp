#include "ui/look/font_warm_up.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

FontWarmUp::FontWarmUp()
{
    try {
        thread_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to spare: Qt reads the configuration itself when it first needs a font.
    }
}

FontWarmUp::~FontWarmUp()
{
    Wait();
}

void FontWarmUp::Wait()
{
    if (thread_.joinable())
        thread_.join();
}
