#pragma once

namespace bk {

// The whole program: parses the command line, then either writes a contact
// sheet without a display or opens the window. Returns the exit status
// (2 for bad arguments, 1 for a file that cannot be read or written).
int RunPreviewProgram(int argc, char** argv);

}  // namespace bk
