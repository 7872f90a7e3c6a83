#include "tools/soak/ResidentMemory.h"

#include <cstdio>
#include <unistd.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define KWORBLE_SANITIZER_HEAP 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define KWORBLE_SANITIZER_HEAP 1
#endif

#ifdef KWORBLE_SANITIZER_HEAP
#include <cstddef>
// The sanitizer runtimes export this; g++ does not ship the header.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

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

long heap_in_use_kb()
{
#ifdef KWORBLE_SANITIZER_HEAP
    return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
#else
    return static_cast<long>(mallinfo2().uordblks / 1024);
#endif
}
