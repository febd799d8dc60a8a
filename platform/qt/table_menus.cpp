#include "table_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace tandora {

namespace {

constexpr bool Checkable = true;

QKeySequence ctrl(Qt::Key key) {
    return QKeySequence(Qt::CTRL | key);
}

} // namespace

TableMenus::TableMenus(QMenuBar* bar, std::function<void(MenuRef)> onChosen)
    : onChosen_(std::move(onChosen)) {
    using M = MenuItem;

    QMenu* game = addMenu(bar, M::GameMenu, "&Game");
    addItem(game, {M::GameMenu_NewGame}, "&New Game", !Checkable, ctrl(Qt::Key_N));
    addItem(game, {M::GameMenu_OpenGame}, "&Open Game", !Checkable, ctrl(Qt::Key_O));
    game->addSeparator();
    addItem(game, {M::GameMenu_SaveGame}, "&Save Game", !Checkable, ctrl(Qt::Key_S));
    addItem(game, {M::GameMenu_SaveGameAs}, "Save Game &As...");
    game->addSeparator();
    addItem(game, {M::GameMenu_LoadLastFile}, "&Load Last Game on Startup", Checkable);
    game->addSeparator();
    addItem(game, {M::GameMenu_Stats}, "Current &Game's Statistics", !Checkable, ctrl(Qt::Key_G));
    // Entry 0 is the separator above the recent files; all five stay hidden until there are files.
    QAction* listSeparator = game->addSeparator();
    remember({M::mnuFileList, 0}, listSeparator);
    for (int i = 1; i <= 4; ++i) {
        addItem(game, {M::mnuFileList, i}, "");
    }
    for (int i = 0; i <= 4; ++i) {
        action({M::mnuFileList, i})->setVisible(false);
    }
    game->addSeparator();
    addItem(game, {M::GameMenu_Exit}, "E&xit");

    QMenu* options = addMenu(bar, M::OptionsMenu, "&Options");
    addItem(options, {M::OptionsMenu_DeucesWild}, "Deuces &Wild", Checkable);
    addItem(options, {M::OptionsMenu_JacksOrBetter}, "Jacks or Better &8/5", Checkable);
    addItem(options, {M::OptionsMenu_JacksOrBetter96}, "Jacks or Better &9/6", Checkable);
    addItem(options, {M::OptionsMenu_JokerPoker}, "&Joker Poker", Checkable);
    addItem(options, {M::OptionsMenu_PayTable}, "&Pay Table...", Checkable);
    options->addSeparator();
    addItem(options, {M::OptionsMenu_DoubleUp}, "&Double Up", Checkable);
    QMenu* deck = addSubmenu(options, M::OptionsMenu_SelectDeck, "&Select Deck");
    addItem(deck, {M::OptionsMenu_SelectDeck_BlueDeck}, "&Blue Deck", Checkable);
    addItem(deck, {M::OptionsMenu_SelectDeck_RedDeck}, "&Red Deck", Checkable);
    options->addSeparator();
    addItem(options, {M::OptionsMenu_SoundEffects}, "Sound &Effects", Checkable);

    QMenu* credits = addMenu(bar, M::AddCreditsMenu, "Add &Credits");
    addItem(credits, {M::mnuAddCredits_AddDefault}, "&Add Default", !Checkable, ctrl(Qt::Key_A));
    addItem(credits, {M::mnuAddCredits_AddFromBank}, "Add From &Bank", !Checkable, ctrl(Qt::Key_B));
    credits->addSeparator();
    addItem(credits, {M::mnuAddCredits_ChangeDefault}, "&Change Default");

    // Our own menu, beside the designed ones: advice on holding, all of it off until the player asks.
    QMenu* strategy = addMenu(bar, M::StrategyMenu, "&Strategy");
    addItem(strategy, {M::StrategyMenu_ShowBestHold}, "Show &Best Hold", Checkable);
    addItem(strategy, {M::StrategyMenu_Trainer}, "&Trainer", Checkable);
    strategy->addSeparator();
    addItem(strategy, {M::StrategyMenu_HoldAnalysis}, "Hold &Analysis...", !Checkable, ctrl(Qt::Key_H));
    addItem(strategy, {M::StrategyMenu_StrategyChart}, "Strategy &Chart...");

    // Our own menu: the table's size. The window's edge sizes it freely too.
    QMenu* view = addMenu(bar, M::ViewMenu, "&View");
    addItem(view, {M::ViewMenu_Larger}, "&Larger", !Checkable, QKeySequence(QKeySequence::ZoomIn));
    // Ctrl+= too: on most keyboards the plus sign needs Shift.
    action({M::ViewMenu_Larger})->setShortcuts({QKeySequence(QKeySequence::ZoomIn), ctrl(Qt::Key_Equal)});
    addItem(view, {M::ViewMenu_Smaller}, "&Smaller", !Checkable, QKeySequence(QKeySequence::ZoomOut));
    view->addSeparator();
    addItem(view, {M::ViewMenu_Size, 100}, "&100 %", !Checkable, ctrl(Qt::Key_0));
    addItem(view, {M::ViewMenu_Size, 125}, "1&25 %");
    addItem(view, {M::ViewMenu_Size, 150}, "1&50 %");
    addItem(view, {M::ViewMenu_Size, 200}, "&200 %");
    view->addSeparator();
    addItem(view, {M::ViewMenu_FitToScreen}, "&Fit to Screen");

    QMenu* help = addMenu(bar, M::HelpMenu, "&Help");
    addItem(help, {M::HelpMenu_Contents}, "Help &Topics", !Checkable, QKeySequence(Qt::Key_F1));
    addItem(help, {M::HelpMenu_KeyShortcuts}, "&Keyboard Shortcuts", !Checkable, ctrl(Qt::Key_K));
    addItem(help, {M::HelpMenu_Readme}, "&Readme File...");
    help->addSeparator();
    addItem(help, {M::HelpMenu_GettingStarted}, "&Getting Started");
    addItem(help, {M::HelpMenu_Hands}, "&Hands Defined");
    addItem(help, {M::HelpMenu_Support}, "Technical &Support");
    help->addSeparator();
    addItem(help, {M::HelpMenu_OrrinSoft}, "&Orrin Software Store");
    help->addSeparator();
    addItem(help, {M::HelpMenu_AboutTND}, "&About Tandora");
}

QAction* TableMenus::action(MenuRef item) const {
    const auto found = actions_.find({item.item, item.index});
    return found == actions_.end() ? nullptr : found->second;
}

QMenu* TableMenus::addMenu(QMenuBar* bar, MenuItem item, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    remember({item}, menu->menuAction());
    return menu;
}

QMenu* TableMenus::addSubmenu(QMenu* menu, MenuItem item, const char* caption) {
    QMenu* submenu = menu->addMenu(QString::fromUtf8(caption));
    remember({item}, submenu->menuAction());
    return submenu;
}

QAction* TableMenus::addItem(QMenu* menu, MenuRef item, const char* caption, bool checkable,
                             const QKeySequence& shortcut) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setCheckable(checkable);
    action->setShortcut(shortcut);
    remember(item, action);
    QObject::connect(action, &QAction::triggered, action, [this, action, item](bool checked) {
        if (action->isCheckable()) {
            // Qt has already flipped the mark; put it back before the game decides.
            action->setChecked(!checked);
        }
        onChosen_(item);
    });
    return action;
}

void TableMenus::remember(MenuRef item, QAction* action) {
    actions_[{item.item, item.index}] = action;
}

} // namespace tandora
