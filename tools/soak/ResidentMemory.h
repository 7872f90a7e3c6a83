#pragma once

// This process's resident memory in kB, from /proc/self/statm; -1 if unreadable.
long resident_memory_kb();
