#include "screens/ExportFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

bool export_file(const char* name, const std::string& text)
{
    std::FILE* file = std::fopen(name, "w");
    if (file == nullptr) {
        std::printf("Could not save %s: %s\n", name, std::strerror(errno));
        return false;
    }
    errno = 0;
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    int write_error = errno;
    // Closing flushes the buffer, so a full disk may only show up here.
    bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        int error = (!written && write_error != 0) ? write_error : errno;
        std::printf("Could not save %s: %s\n", name, std::strerror(error != 0 ? error : EIO));
        return false;
    }
    return true;
}
