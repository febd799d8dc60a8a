#include "stats/game_stats_dialog.h"

namespace tandora {

namespace {

constexpr ControlName Label1{"Label1"};
constexpr ControlName Label2{"Label2"};
constexpr ControlName Label3{"Label3"};
constexpr ControlName Label4{"Label4"};
constexpr ControlName Label5{"Label5"};
constexpr ControlName Label6{"Label6"};
constexpr ControlName lblStrategyNames{"lblStrategyNames"};
constexpr ControlName lblStrategyValues{"lblStrategyValues"};
constexpr ControlName Line1{"Line1"};
constexpr ControlName btnPrint{"btnPrint"};
constexpr ControlName btnSave{"btnSave"};

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i != 0)
            text += "\r\n";
        text += lines[i];
    }
    return text;
}

DialogControl column(ControlName name, TextAlign align, int minimumWidth) {
    DialogControl c = label(name, "", align);
    c.minimumWidth = minimumWidth;
    return c;
}

} // namespace

DialogLayout GameStatsDialog::layout() const {
    DialogControl rule;
    rule.kind = DialogControlKind::Rule;
    rule.name = Line1;
    return {
        "Game Statistics",
        {{label(Label6, "", TextAlign::Center)},
         {column(Label1, TextAlign::Left, 130), column(Label2, TextAlign::Right, 110)},
         {column(lblStrategyNames, TextAlign::Left, 130), column(lblStrategyValues, TextAlign::Right, 110)},
         {rule},
         {column(Label3, TextAlign::Left, 130), column(Label4, TextAlign::Right, 50),
          column(Label5, TextAlign::Right, 60)},
         {button(btnOK, "OK", true, true), button(btnPrint, "&Print"), button(btnSave, "&Save")}}};
}

void GameStatsDialog::load(DialogWindow& window) {
    sheet_ = statisticsOf(ctx_.state, deriveTable(ctx_.state).caption, figures_);
    window.setCaption(sheet_.caption());
    window.setText(Label6, sheet_.gameName);
    std::vector<std::string> names, values;
    for (const auto& line : sheet_.summary) {
        names.push_back(line.name);
        values.push_back(line.value);
    }
    window.setText(Label1, joinLines(names));
    window.setText(Label2, joinLines(values));
    names.clear();
    values.clear();
    for (const auto& line : sheet_.strategy) {
        names.push_back(line.name);
        values.push_back(line.value);
    }
    window.setText(lblStrategyNames, joinLines(names));
    window.setText(lblStrategyValues, joinLines(values));
    std::vector<std::string> categories, counts, percents;
    for (const auto& c : sheet_.categories) {
        categories.push_back(c.name);
        counts.push_back(c.count);
        percents.push_back(c.percent);
    }
    window.setText(Label3, joinLines(categories));
    window.setText(Label4, joinLines(counts));
    window.setText(Label5, joinLines(percents));
}

void GameStatsDialog::buttonClicked(DialogWindow& window, ControlName button) {
    if (button == btnOK)
        window.close();
    else if (button == btnPrint)
        print();
    else if (button == btnSave)
        save();
}

void GameStatsDialog::print() {
    const PrintResult result =
        ctx_.platform.printer.printText(statisticsReportTitle(sheet_), statisticsReport(sheet_));
    if (result == PrintResult::Failed)
        ctx_.messageBox("The statistics could not be printed. Please check the printer and try again.",
                        MsgStyle::Exclamation, AppTitle);
}

void GameStatsDialog::save() {
    FileDialogRequest request;
    request.title = "Save Statistics";
    request.filters = {{"Text Files (*.txt)", "*.txt"}, {"All Files (*.*)", "*.*"}};
    request.initialFolder = ctx_.platform.desktop.documentsFolder();
    request.defaultSuffix = "txt";
    const auto path = ctx_.platform.fileDialogs.saveFileName(request);
    if (!path)
        return;
    const FileResult written = ctx_.platform.files.writeAtomically(*path, statisticsReport(sheet_));
    if (!written.ok)
        ctx_.messageBox("The statistics could not be saved to " + *path + ".\r\n\r\n" + written.error,
                        MsgStyle::Exclamation, AppTitle);
}

void GameStatistics::GameMenu_Stats_Click() {
    // The first time for a game and bet this takes a few tenths of a second: the strategy tables are built
    // and every deal is played by its best hold.
    const StrategyFigures figures{
        advisor_.payTableReturn(ctx_.state.game(), ctx_.state.rules().PayTable, advisor_.coinsInUse()),
        advisor_.costOfHolds()};
    GameStatsDialog dialog(ctx_, figures);
    ctx_.platform.dialogs.showModal(dialog);
}

} // namespace tandora
