#include "tools/soak/ResidentMemory.h"

#include <cstdio>
#include <unistd.h>

long resident_memory_kb()
{
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm == nullptr) {
        return -1;
    }
    long total_pages = 0;
    long resident_pages = 0;
    const int read = std::fscanf(statm, "%ld %ld", &total_pages, &resident_pages);
    std::fclose(statm);
    if (read != 2) {
        return -1;
    }
    return resident_pages * (sysconf(_SC_PAGESIZE) / 1024);
}
