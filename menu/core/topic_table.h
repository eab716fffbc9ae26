#pragma once

#include <span>
#include <string_view>

namespace menu {

// One item of the Index menu: choosing it starts `program` and waits until it has ended.
struct Topic {
    int command;
    std::string_view text;
    std::string_view program;
};

// A submenu of "Index": one per subtest, its title the text of the Section row.
struct TopicGroup {
    std::string_view title;
    std::span<const Topic> topics;
};

inline constexpr std::string_view indexMenuTitle = "Index";

// The three submenus in menu order, each with its Topics in menu order.
std::span<const TopicGroup> topicGroups();

// The Topic with menu command `command`, or null when no Topic has it.
const Topic* topicForCommand(int command);

} // namespace menu
