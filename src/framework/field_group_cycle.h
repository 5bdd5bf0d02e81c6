#pragma once

// The change cycle of a field group inside its window: one edit of one unit
// field recomputes every other field of the group, once.

namespace velmaro {
struct FieldGroup;
}

namespace velmaro::fw {

class CDialog;

// Runs the cycle for a change of `sourceControlId`: reads every bound control
// of the window into its member, converts the text of the source field as the
// control holds it, stores each other field's text in its member and writes
// every member back. The source field keeps exactly what the user typed, and
// the notifications the write-back raises start no handler.
void RunChangeCycle(CDialog& window, const FieldGroup& group, int sourceControlId);

} // namespace velmaro::fw
