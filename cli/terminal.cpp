#include "cli/terminal.h"

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <langinfo.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace lunetide::cli {

int TerminalColumns(int fd)
{
    if (!isatty(fd))
        return 0;
    winsize size{};
    if (ioctl(fd, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    const char* columns = std::getenv("COLUMNS");
    if (!columns || !*columns)
        return 0;
    char* end = nullptr;
    const long value = std::strtol(columns, &end, 10);
    return *end == '\0' && value > 0 && value <= 10000 ? int(value) : 0;
}

bool LocaleCharsetIsUtf8()
{
    std::setlocale(LC_CTYPE, "");
    return std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
}

} // namespace lunetide::cli
