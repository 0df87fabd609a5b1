// Runs a piece of a test in a forked child process: for code that, when
// faulty, would wait forever (the child is killed after a time limit), or
// that must run as another user (the child may change its own).
#ifndef TRAILBOOK_PLATFORM_TESTING_INCHILD_H
#define TRAILBOOK_PLATFORM_TESTING_INCHILD_H

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

// "" when body returned true in the child within seconds; otherwise what
// happened instead. The child ends with _exit, so nothing of the test's own
// state is torn down twice.
template <typename Body>
std::string InChild(unsigned seconds, Body&& body) {
    const pid_t child = ::fork();
    if (child < 0) return "cannot fork";
    if (child == 0) {
        ::alarm(seconds);
        bool done = false;
        try {
            done = body();
        } catch (...) {
        }
        ::_exit(done ? 0 : 1);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child) return "cannot wait for the child";
    if (WIFSIGNALED(status))
        return WTERMSIG(status) == SIGALRM ? "did not end within " + std::to_string(seconds) + " s"
                                           : "killed by signal " + std::to_string(WTERMSIG(status));
    return WEXITSTATUS(status) == 0 ? "" : "failed";
}

#endif
