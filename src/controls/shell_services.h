#pragma once

// The two platform services the custom controls call: the shell's "open" for
// a link address and the default message beep. Tests put stand-ins in their
// place so that no browser opens and beeps can be counted.

#include <QString>

#include <functional>

namespace velmaro {

// Opens `address` with the platform's "open" (a web address opens in the
// browser). True when a program took it, false when nothing could open it.
bool ShellOpen(const QString& address);

// The default message beep.
void MessageBeep();

using ShellOpenFunction = std::function<bool(const QString& address)>;
using MessageBeepFunction = std::function<void()>;

// Replaces the service for the rest of the run; an empty function restores
// the platform's own.
void SetShellOpenHook(ShellOpenFunction open);
void SetMessageBeepHook(MessageBeepFunction beep);

} // namespace velmaro
