#include "menu/view/index_menu.h"

#include "menu/core/menu_numbers.h"
#include "menu/core/menu_texts.h"
#include "menu/core/topic_table.h"
#include "platform/qt/course_text.h"

#include <QMenu>
#include <QMenuBar>

namespace menu {
namespace {

QString shown(std::string_view text) {
    return platform::fromWindows1252(text);
}

void addCommand(QMenu& menu, std::string_view text, int command, const CommandHandler& onCommand) {
    QAction* action = menu.addAction(shown(text));
    action->setData(command);
    QObject::connect(action, &QAction::triggered, &menu, [onCommand, command] {
        if (onCommand)
            onCommand(command);
    });
}

void addIndexMenu(QMenuBar& bar, const CommandHandler& onCommand) {
    QMenu* index = bar.addMenu(shown(indexMenuTitle));
    for (const TopicGroup& group : topicGroups()) {
        QMenu* submenu = index->addMenu(shown(group.title));
        for (const Topic& topic : group.topics)
            addCommand(*submenu, topic.text, topic.command, onCommand);
    }
}

void addHelpMenu(QMenuBar& bar, const CommandHandler& onCommand) {
    QMenu* help = bar.addMenu(shown(helpMenuTitle));
    addCommand(*help, helpItemText, command::help, onCommand);
    addCommand(*help, aboutItemText, command::about, onCommand);
}

} // namespace

void buildMenuBar(QMenuBar& bar, const CommandHandler& onCommand) {
    addIndexMenu(bar, onCommand);
    addHelpMenu(bar, onCommand);
}

} // namespace menu
