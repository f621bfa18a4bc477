// Writing files as on a full disk.
#pragma once

#include <csignal>
#include <sys/resource.h>

namespace tess::test {

// Runs work() while every write past `bytes` into any file fails (the limit binds root too).
template <typename Work> void WithFileSizeLimit(rlim_t bytes, Work&& work) {
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const rlimit limit{bytes, previous.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
    work();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, handler);
}

} // namespace tess::test
