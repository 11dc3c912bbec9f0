#pragma once
// The heap's free pages handed back to the system.

namespace platform {

// Gives the pages of the heap that hold no live block back to the system. The C library
// keeps free space between live blocks resident for later requests and never returns it by
// itself, so without this the memory of the largest level played stays with the program.
// Does nothing where the C library has no such call.
void ReleaseFreeMemory();

}  // namespace platform
