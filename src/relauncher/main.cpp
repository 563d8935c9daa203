// SPDX-License-Identifier: GPL-2.0-or-later
#include "relauncher/Relauncher.h"

int main(int argc, char *argv[])
{
    return relaunch(argc, argv, OPALO_DBUS_RUN_SESSION_PATH, OPALO_PROGRAM_PATH);
}
