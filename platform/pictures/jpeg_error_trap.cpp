#include "platform/pictures/jpeg_error_trap.h"

namespace platform {
namespace {

JpegErrorTrap& trapOf(j_common_ptr info) {
    return *reinterpret_cast<JpegErrorTrap*>(info->err);
}

[[noreturn]] void jumpBack(j_common_ptr info) {
    std::longjmp(trapOf(info).jump, 1);
}

// Warnings (stray bytes between markers and the like) leave the picture usable and are
// counted only; nothing is printed.
void stayQuiet(j_common_ptr) {}

} // namespace

jpeg_error_mgr* armJpegErrorTrap(JpegErrorTrap& trap) {
    jpeg_error_mgr* manager = jpeg_std_error(&trap.manager);
    manager->error_exit = jumpBack;
    manager->output_message = stayQuiet;
    return manager;
}

} // namespace platform
