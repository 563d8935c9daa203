// SPDX-License-Identifier: GPL-2.0-or-later
#include "relauncher/Relauncher.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
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

// The user whose display it is: the one sudo or pkexec ran this for, else
// the owner of the display's cookie. 0 when none is named.
uid_t displayOwner()
{
    for (const char *name : { "SUDO_UID", "PKEXEC_UID" }) {
        const char *value = std::getenv(name);
        if (!value || !*value)
            continue;
        char *end = nullptr;
        errno = 0;
        const unsigned long uid = std::strtoul(value, &end, 10);
        if (errno == 0 && *end == '\0' && uid == uid_t(uid))
            return uid_t(uid);
    }
    struct stat cookie;
    const char *cookiePath = std::getenv("XAUTHORITY");
    return cookiePath && stat(cookiePath, &cookie) == 0 ? cookie.st_uid : 0;
}

// Lets the restarted super-user program open its window on the display, and
// nobody else: "xhost +" would open it to every host on the network. Only a
// client the X server already accepts may change who else it accepts, so
// xhost runs as the user whose display it is, with that user's home (where
// the cookie is when XAUTHORITY does not say). Its result does not matter;
// it runs without a shell, quietly.
void allowSuperUserOnDisplay(std::vector<char *> environment)
{
    const uid_t user = geteuid() == 0 ? displayOwner() : 0;
    const passwd *account = user != 0 ? getpwuid(user) : nullptr;
    if (user != 0 && !account)
        return;
    const gid_t group = account ? account->pw_gid : 0;
    std::string home;
    if (account) {
        home = std::string("HOME=") + account->pw_dir;
        environment.erase(
            std::remove_if(environment.begin(), environment.end(),
                [](const char *variable) { return variable && std::strncmp(variable, "HOME=", 5) == 0; }),
            environment.end());
        environment.insert(environment.begin(), home.data());
    }
    char *const arguments[]
        = { const_cast<char *>("xhost"), const_cast<char *>("+SI:localuser:root"), nullptr };
    // posix_spawn cannot change the user: a fork of this one-threaded
    // program can.
    const pid_t child = fork();
    if (child == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        if (account
            && (setgroups(1, &group) != 0 || setresgid(group, group, group) != 0
                || setresuid(user, user, user) != 0))
            _exit(127);
        execvpe("xhost", arguments, environment.data());
        _exit(127);
    }
    if (child > 0)
        waitpid(child, nullptr, 0);
}

} // namespace

int relaunch(int argc, const char *const *argv, const char *dbusRunSessionPath, const char *programPath)
{
    if (argc < 2 || std::strcmp(argv[1], "OpaloSync") != 0)
        return 1;
    const std::vector<char *> environment = environmentForSuperUser();
    allowSuperUserOnDisplay(environment);
    char *const arguments[] = { const_cast<char *>(dbusRunSessionPath), const_cast<char *>("--"),
        const_cast<char *>(programPath), const_cast<char *>("fromLauncher"), nullptr };
    execve(dbusRunSessionPath, arguments, environment.data());
    return 1;
}
