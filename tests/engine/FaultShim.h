// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <dlfcn.h>

// The controls of the fault shim (fault_shim.c), when the test runs with it
// preloaded; isLoaded() is false otherwise.
class FaultShim
{
public:
    FaultShim()
        : arm(find<void (*)(long, int)>("opaloFaultArm"))
        , armNamed(find<void (*)(const char *, int)>("opaloFaultArmNamed"))
        , disarm(find<void (*)()>("opaloFaultDisarm"))
        , calls(find<long (*)()>("opaloFaultCalls"))
        , fired(find<const char *(*)()>("opaloFaultFired"))
        , holdFlushes(find<void (*)(int)>("opaloFaultHoldFlushes"))
        , heldFlushes(find<int (*)()>("opaloFaultHeldFlushes"))
        , releaseFlush(find<void (*)()>("opaloFaultReleaseFlush"))
    { }

    bool isLoaded() const
    {
        return arm && armNamed && disarm && calls && fired && holdFlushes && heldFlushes && releaseFlush;
    }

    // Fails the copy worker's nth file-system call from now with error; 0
    // only counts.
    void (*const arm)(long nth, int error);
    // Fails every later call of the worker named in names (separated by
    // commas: "read,copy_file_range") with error, or with 0 makes each return
    // 0 (no data); opendir, fdopendir, readdir and readdir64 fail only so.
    void (*const armNamed)(const char *names, int error);
    void (*const disarm)();
    long (*const calls)();
    // The name of the call that failed, or null.
    const char *(*const fired)();
    // While held, each flush of the worker's file system waits until
    // released, one at a time.
    void (*const holdFlushes)(int hold);
    int (*const heldFlushes)();
    void (*const releaseFlush)();

private:
    template<typename Function> static Function find(const char *name)
    {
        return reinterpret_cast<Function>(dlsym(RTLD_DEFAULT, name));
    }
};
