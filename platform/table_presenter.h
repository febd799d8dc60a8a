#pragma once

#include <array>
#include <optional>

#include "platform/control_surface.h"
#include "platform/table_view.h"

namespace tandora {

// The counters of the table.
enum class Counter : std::uint8_t { Credits, Paid, Coins };

// Draws the game's scenes on the classic table of picture controls: every picture number, place and pay
// table row lives here and in the layout, none in the game's logic. It remembers the last scene only to
// touch the controls that change.
class TablePresenter : public TableView {
public:
    explicit TablePresenter(ControlSurface& surface);

    void show(const TableScene& scene) override;
    void showPressed(Button button, bool pressed) override;
    void setBusyPointer(bool busy) override { surface_.setBusyPointer(busy); }

    void setWindowState(int state) override { surface_.setWindowState(state); }
    int windowState() const override { return surface_.windowState(); }
    void setWindowPosition(double left, double top) override { surface_.setWindowPosition(left, top); }
    double windowLeft() const override { return surface_.windowLeft(); }
    double windowTop() const override { return surface_.windowTop(); }
    void setTableScale(int percent) override { surface_.setTableScale(percent); }
    int tableScale() const override { return surface_.tableScale(); }
    int windowWidthTwips() const override { return surface_.windowWidthTwips(); }
    int windowHeightTwips() const override { return surface_.windowHeightTwips(); }

    void repaint() override { surface_.repaint(); }
    void showWindow() override { surface_.showWindow(); }
    void closeWindow() override { surface_.closeWindow(); }

    // Lights the digits of a counter: CREDITS four digits, a fifth from 10,000 on; PAID four; COINS one.
    void UpdateNumbers(Counter LCD, std::int64_t NewAmt);

private:
    void layOut();
    void showPayTable(const TableScene& scene);
    void showButton(Button button, const TableScene& scene);
    void showStrip(const TableScene& scene);
    void showColumn(const TableScene& scene);
    void showDoubleUp(DoubleUpPanel panel);
    void showMenus(const TableScene& scene, const TableScene* last);

    ControlSurface& surface_;
    std::optional<TableScene> last_;
    std::array<bool, 5> pressed_{};
    bool fifthCreditDigit_ = false;
};

} // namespace tandora
