#include "PeakMemory.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <malloc.h>

namespace {

double StatusMiB(const char* field)
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return 0;
    char line[256];
    double kib = 0;
    const std::size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, status))
        if (std::strncmp(line, field, length) == 0 && line[length] == ':')
            kib = std::atof(line + length + 1);
    std::fclose(status);
    return kib / 1024;
}

}  // namespace

void PeakMemory::Reset()
{
    // Freed memory the allocator still holds would hide a step's growth.
    ::malloc_trim(0);
    if (std::FILE* refs = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", refs);
        std::fclose(refs);
    }
}

double PeakMemory::ResidentMiB() { return StatusMiB("VmRSS"); }
double PeakMemory::PeakMiB() { return StatusMiB("VmHWM"); }
