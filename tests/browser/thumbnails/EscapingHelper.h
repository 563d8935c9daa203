// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What the escaping stand-in helper (EscapingHelper.cpp) is told and tries.
namespace EscapingHelper {

// The lines of the file it is handed.
enum Line { SecretLine, FolderLine, PortLine, ProgramLine, DescriptorLine, InodeLine, lineCount };

// The pixels of its answer's first row, in this order.
enum Escape {
    ReadHome,
    WriteHome,
    ConnectLoopback,
    AttachProgram,
    ProgramMemory,
    InheritedDescriptor,
    RunsAsRoot,
    LeaveChild,
    StartProgram,
    escapeCount
};

} // namespace EscapingHelper
