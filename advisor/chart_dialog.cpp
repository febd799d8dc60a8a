#include "advisor/chart_dialog.h"

#include <cstdio>

#include "engine/known_pay_tables.h"

namespace tandora {

namespace {

constexpr ControlName lblTitle{"lblTitle"};
constexpr ControlName lblNote{"lblNote"};
constexpr ControlName lblChart{"lblChart"};
constexpr ControlName lblReturn{"lblReturn"};

ChartPlay play(const StrategyChart& chart, const PayTable& table, const Hand& dealt) {
    const StrategyTables tables(StrategyTables::forGame(chart.game), table);
    return playChart(chart, dealt, tables.holdValues(dealt, chart.coins));
}

std::string percent(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f%%", value);
    return text;
}

} // namespace

StrategyChartDialog::StrategyChartDialog(ChartBuilds& charts, ChartBuilds::Key key, std::optional<Hand> dealt)
    : charts_(charts), key_(std::move(key)), dealt_(dealt) {
    charts_.start(key_);
}

DialogLayout StrategyChartDialog::layout() const {
    DialogControl note = wrappedLabel(lblNote);
    note.minimumWidth = 460;
    DialogControl chart = label(lblChart, "");
    chart.fixedPitch = true;
    DialogControl result = wrappedLabel(lblReturn);
    result.minimumWidth = 460;
    return {"Strategy Chart",
            {{label(lblTitle, "")}, {note}, {chart}, {result}, {button(btnOK, "OK", true, true)}}};
}

void StrategyChartDialog::load(DialogWindow& window) {
    window.setText(lblTitle, payTableName(key_.game, key_.table) + ", " + std::to_string(key_.coins) +
                                 (key_.coins == 1 ? " coin bet" : " coins bet"));
    window.setText(lblNote,
                   "Hold the cards of the first line that fits the dealt hand; where a line fits more "
                   "than one way, hold the higher cards. The chart is worked out from the exact value of "
                   "every hold of every deal, drawing from the cards not dealt as casino machines do." +
                       std::string(dealt_ ? " The sign > marks the line for the hand on the table." : ""));
    if (!show(window)) {
        window.setText(lblChart, "Working out the chart from every deal...");
        window.setText(lblReturn, "");
    }
}

bool StrategyChartDialog::poll(DialogWindow& window) {
    return !shown_ && !show(window);
}

bool StrategyChartDialog::show(DialogWindow& window) {
    if (const auto failure = charts_.failure(key_)) {
        window.setText(lblChart, "The chart could not be made: " + *failure);
        return shown_ = true;
    }
    const StrategyChart* chart = charts_.ifReady(key_);
    if (!chart)
        return false;
    const int marked = dealt_ ? play(*chart, key_.table, *dealt_).line : -1;
    std::string text;
    for (std::size_t i = 0; i < chart->lines.size(); ++i) {
        char number[24];
        std::snprintf(number, sizeof number, "%2zu  ", i + 1);
        text += (static_cast<int>(i) == marked ? "> " : "  ") + std::string(number) + chart->lines[i];
        if (i + 1 < chart->lines.size())
            text += "\r\n";
    }
    window.setText(lblChart, text);
    window.setText(lblReturn, "Played as written, this chart returns " + percent(chart->chartReturn) +
                                  "; best play returns " + percent(chart->optimalReturn) + ".");
    return shown_ = true;
}

void StrategyChartDialog::buttonClicked(DialogWindow& window, ControlName button) {
    if (button == btnOK)
        window.close();
}

std::string chartLineText(const StrategyChart& chart, const PayTable& table, const Hand& dealt) {
    const int line = play(chart, table, dealt).line;
    return "line " + std::to_string(line + 1) + ", " + chart.lines[static_cast<std::size_t>(line)];
}

} // namespace tandora
