// SPDX-License-Identifier: GPL-2.0-or-later
#include "relauncher/Relauncher.h"

#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

// environ without the variables of the build and of the tests.
std::vector<char *> environmentForSuperUser()
{
    std::vector<char *> kept;
    for (char **variable = environ; *variable; ++variable) {
        if (std::strncmp(*variable, "OPALO_", std::strlen("OPALO_")) != 0)
            kept.push_back(*variable);
    }
    kept.push_back(nullptr);
    return kept;
}

// Lets the restarted super-user program open its window on the display, and
// nobody else: "xhost +" would open it to every host on the network. Its
// result does not matter; it runs without a shell, quietly.
void allowSuperUserOnDisplay(char *const *environment)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    char *const arguments[]
        = { const_cast<char *>("xhost"), const_cast<char *>("+SI:localuser:root"), nullptr };
    pid_t child = 0;
    if (posix_spawnp(&child, "xhost", &actions, nullptr, arguments, environment) == 0)
        waitpid(child, nullptr, 0);
    posix_spawn_file_actions_destroy(&actions);
}

} // namespace

int relaunch(int argc, const char *const *argv, const char *dbusRunSessionPath, const char *programPath)
{
    if (argc < 2 || std::strcmp(argv[1], "OpaloSync") != 0)
        return 1;
    const std::vector<char *> environment = environmentForSuperUser();
    allowSuperUserOnDisplay(environment.data());
    char *const arguments[] = { const_cast<char *>(dbusRunSessionPath), const_cast<char *>("--"),
        const_cast<char *>(programPath), const_cast<char *>("fromLauncher"), nullptr };
    execve(dbusRunSessionPath, arguments, environment.data());
    return 1;
}
