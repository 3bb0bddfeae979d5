#pragma once
// A disk that is full once a file of this process holds `bytes` bytes, without root or a small
// filesystem: the process's file-size limit, with the signal it raises ignored, cuts a write short
// as a full disk does, and the write after it fails (EFBIG where a full disk gives ENOSPC).
#include <csignal>
#include <sys/resource.h>

class VollePlatte {
public:
    explicit VollePlatte(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &vorher_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit voll{bytes, vorher_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &voll);
    }
    ~VollePlatte()
    {
        setrlimit(RLIMIT_FSIZE, &vorher_);
        std::signal(SIGXFSZ, signal_);
    }
    VollePlatte(const VollePlatte&) = delete;
    VollePlatte& operator=(const VollePlatte&) = delete;

private:
    rlimit vorher_{};
    void (*signal_)(int) = nullptr;
};
