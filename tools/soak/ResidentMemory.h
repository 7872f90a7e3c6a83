#pragma once

// This process's resident memory in kB, from /proc/self/statm; -1 if unreadable.
long resident_memory_kb();
// Heap bytes in use, in kB, as the allocator (a sanitizer's or the C
// library's) counts them: a leak shows here without the allocator's caches.
long heap_in_use_kb();
