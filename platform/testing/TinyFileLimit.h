// While a TinyFileLimit lives, no file of the process can grow beyond a few
// bytes: every write of a longer file fails as on a full disk.
#ifndef TRAILBOOK_PLATFORM_TESTING_TINYFILELIMIT_H
#define TRAILBOOK_PLATFORM_TESTING_TINYFILELIMIT_H

#include <signal.h>
#include <sys/resource.h>

class TinyFileLimit {
public:
    explicit TinyFileLimit(rlim_t bytes = 8) {
        getrlimit(RLIMIT_FSIZE, &old_);
        previous_ = signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = old_;
        tiny.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~TinyFileLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        signal(SIGXFSZ, previous_);
    }
    TinyFileLimit(const TinyFileLimit&) = delete;
    TinyFileLimit& operator=(const TinyFileLimit&) = delete;

private:
    rlimit old_{};
    void (*previous_)(int) = nullptr;
};

#endif
