#pragma once

#include <string>

namespace tandora {

// The written pages of the help, as HTML. Links to other pages are "help:<page id>".
std::string welcomePage();
std::string howToPlayPage();
std::string handsPage();
std::string jacksOrBetterIntroduction();
std::string jacksOrBetter85Closing();
std::string jacksOrBetter96Closing();
std::string deucesWildIntroduction();
std::string jokerPokerIntroduction();
std::string royalBonusNote();
std::string strategyPage();
std::string strategyMenuPage();
std::string doubleUpPage();
std::string creditsPage();
std::string gameFilesPage();
std::string statisticsPage();
std::string optionsPage();
std::string keyboardNotes();

} // namespace tandora
