#include "menu/core/main_layout.h"

namespace menu {

MainLayout mainLayoutFor(int width, int height) {
    const int midX = width / 2;
    const int midY = height / 2;
    return {
        {0, 0, width, height},
        {midX - 250, midY - 200, 440, 140},
        {midX - 250, midY - 50, 90, 48},
        {midX - 100, midY - 50, 90, 48},
    };
}

} // namespace menu
