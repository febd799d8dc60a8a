#pragma once

#include <QKeySequence>
#include <functional>
#include <map>
#include <utility>

#include "platform/controls.h"

class QAction;
class QMenu;
class QMenuBar;

namespace tandora {

// The main window's menu bar. A chosen item is reported, never toggled: check marks are the options'
// state and only the game sets them.
class TableMenus {
public:
    TableMenus(QMenuBar* bar, std::function<void(MenuRef)> onChosen);

    // Null for an item the menu bar does not have.
    QAction* action(MenuRef item) const;

private:
    QMenu* addMenu(QMenuBar* bar, MenuItem item, const char* caption);
    QMenu* addSubmenu(QMenu* menu, MenuItem item, const char* caption);
    QAction* addItem(QMenu* menu, MenuRef item, const char* caption, bool checkable = false,
                     const QKeySequence& shortcut = {});
    void remember(MenuRef item, QAction* action);

    std::function<void(MenuRef)> onChosen_;
    std::map<std::pair<MenuItem, int>, QAction*> actions_;
};

} // namespace tandora
