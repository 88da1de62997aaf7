#pragma once
// The process's resident memory and its high-water mark, from
// /proc/self/status; the mark can be set back to the current size, so that
// one step's peak can be told apart from the run's.

class PeakMemory {
public:
    // Gives freed memory back to the system and sets the high-water mark
    // back to the resident size now.
    static void Reset();
    // MiB resident now and at the highest since the last Reset; 0 when unknown.
    static double ResidentMiB();
    static double PeakMiB();
};
