#pragma once
// Runs a check in a child process under an alarm, so that a read that blocks or never ends
// fails its test instead of hanging the whole suite.

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace tarvenik::test {

// True when `check` returned true within `seconds`.
inline bool passesWithin(unsigned seconds, const std::function<bool()>& check) {
    const pid_t child = ::fork();
    if (child < 0) {
        return false;
    }
    if (child == 0) {
        ::alarm(seconds);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace tarvenik::test
