#pragma once
// While it lives, every file write of the process fails beyond a few bytes
// (the file size limit, which the kernel enforces much as a full disk):
// a real write failure half way through a file, without a small disk.

#include <csignal>
#include <sys/resource.h>

class TWriteLimit {
public:
    TWriteLimit() : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TWriteLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }
    TWriteLimit(const TWriteLimit&) = delete;
    TWriteLimit& operator=(const TWriteLimit&) = delete;

private:
    void (*m_handler)(int);
    rlimit m_old {};
};
