#pragma once

#include "platform/table_events.h"

namespace tandora {

// Lets the window be built before the logic it reports to: events go nowhere until a target is set.
class EventRelay : public TableEvents {
public:
    void setTarget(TableEvents* target) { target_ = target; }

    void click(ControlRef c) override {
        if (target_)
            target_->click(c);
    }
    void mouseDown(ControlRef c, int button, int shift, int x, int y) override {
        if (target_)
            target_->mouseDown(c, button, shift, x, y);
    }
    void mouseUp(ControlRef c, int button, int shift, int x, int y) override {
        if (target_)
            target_->mouseUp(c, button, shift, x, y);
    }
    void keyPress(int charCode) override {
        if (target_)
            target_->keyPress(charCode);
    }
    void menuClick(MenuRef item) override {
        if (target_)
            target_->menuClick(item);
    }
    bool queryUnload() override { return target_ ? target_->queryUnload() : true; }
    void lostFocus() override {
        if (target_)
            target_->lostFocus();
    }

private:
    TableEvents* target_ = nullptr;
};

} // namespace tandora
