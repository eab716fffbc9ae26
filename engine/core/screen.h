#pragma once

#include "platform/geometry/geometry.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace engine {

using platform::Rect;
using platform::Rgb;

// Font numbers of a lesson program; all share one face per program.
enum class FontNumber { Speech = 2, Caption = 3, Label = 4, Page = 5 };

struct FillRectangle {
    Rect rect;
    Rgb colour;
};

// Text drawn with a transparent background; (x, y) is the text's top-left corner.
struct DrawText {
    FontNumber font = FontNumber::Page;
    Rgb colour;
    int x = 0;
    int y = 0;
    std::string text; // Windows-1252
};

// A picture slot drawn with its top-left corner at (x, y); stretched when a size is given.
struct DrawPicture {
    int slot = 0;
    int x = 0;
    int y = 0;
    int stretchWidth = 0;
    int stretchHeight = 0;
};

using DrawStep = std::variant<FillRectangle, DrawText, DrawPicture>;

enum class ControlKind { Background, PushButton, PictureButton, TextField };

struct Control {
    int number = 0;
    ControlKind kind = ControlKind::PushButton;
    Rect rect;
    std::string caption;
    int pictureSlot = -1;           // face of a picture button
    std::optional<FontNumber> font; // none: the system's control font
    bool visible = true;
    bool enabled = true;
    std::string tooltip; // empty: no tooltip
};

// One whole screen: the background picture drawn from scratch, then every control.
struct Screen {
    std::vector<DrawStep> background;
    std::vector<Control> controls;

    const Control* control(int number) const {
        for (const auto& c : controls)
            if (c.number == number)
                return &c;
        return nullptr;
    }
};

} // namespace engine
