#include "menu/view/menu_services.h"

#include "engine/core/about_text.h"
#include "menu/core/menu_texts.h"
#include "menu/core/tick_seeded_random.h"
#include "platform/help/help_viewer.h"
#include "platform/qt/message_box.h"

#include <filesystem>
#include <memory>

namespace menu {

MenuServices MenuServices::standard(const std::string& installFolder) {
    const std::string helpPath = (std::filesystem::path(installFolder) / helpFile).string();
    auto random = std::make_shared<TickSeededRandom>();
    return {
        [helpPath] { platform::showHelpTopic(helpPath, std::string(helpTopic)); },
        [](QWidget* owner) {
            platform::showMessage(owner, engine::aboutTitle, engine::aboutText());
        },
        [](QWidget* owner, const std::string& tip) {
            platform::showMessage(owner, std::string(farewellTitle), tip);
        },
        [] { platform::closeAllHelpWindows(); },
        [random](int low, int high) { return (*random)(low, high); },
    };
}

} // namespace menu
