#pragma once

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace platform {

// An error manager for libjpeg that never ends the program and never prints. A fatal
// error jumps back to `jump`, which the caller arms with setjmp before it calls libjpeg:
//
//     JpegErrorTrap trap;
//     info.err = armJpegErrorTrap(trap);
//     if (setjmp(trap.jump)) { ...clean up and fail... }
//
// No object with a destructor may live in the frames between setjmp and libjpeg.
struct JpegErrorTrap {
    jpeg_error_mgr manager; // first, so that libjpeg's pointer to it leads back here
    std::jmp_buf jump;
};

jpeg_error_mgr* armJpegErrorTrap(JpegErrorTrap& trap);

} // namespace platform
