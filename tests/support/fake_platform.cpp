#include "fake_platform.h"

namespace tandora::testing_support {

namespace {
std::string onOff(bool v) {
    return v ? "on" : "off";
}
} // namespace

std::vector<std::string> Transcript::matching(const std::string& prefix) const {
    std::vector<std::string> result;
    for (const auto& line : lines_) {
        if (line.rfind(prefix, 0) == 0)
            result.push_back(line);
    }
    return result;
}

std::string refName(ControlRef ref) {
    std::string name(controlName(ref.control));
    if (ref.index != 0)
        name.append("(").append(std::to_string(ref.index)).append(")");
    return name;
}

std::string refName(MenuRef ref) {
    std::string name(menuItemName(ref.item));
    if (ref.item == MenuItem::mnuFileList)
        name.append("(").append(std::to_string(ref.index)).append(")");
    return name;
}

const FakeTableView::ControlState& FakeTableView::get(ControlRef c) const {
    static const ControlState fresh;
    const auto it = controls_.find({static_cast<int>(c.control), c.index});
    return it == controls_.end() ? fresh : it->second;
}

const FakeTableView::MenuState& FakeTableView::menu(MenuRef m) const {
    static const MenuState fresh;
    const auto it = menus_.find({static_cast<int>(m.item), m.index});
    return it == menus_.end() ? fresh : it->second;
}

void FakeTableView::setPicture(ControlRef c, int picture) {
    controls_[{static_cast<int>(c.control), c.index}].picture = picture;
    log_.add(refName(c) + " picture=" + std::to_string(picture));
}

void FakeTableView::setGeometry(ControlRef c, Rect r) {
    controls_[{static_cast<int>(c.control), c.index}].rect = r;
    log_.add(refName(c) + " at " + std::to_string(r.left) + "," + std::to_string(r.top) + " " +
             std::to_string(r.width) + "x" + std::to_string(r.height));
}

void FakeTableView::setVisible(ControlRef c, bool v) {
    controls_[{static_cast<int>(c.control), c.index}].visible = v;
    log_.add(refName(c) + (v ? " shown" : " hidden"));
}

void FakeTableView::setEnabled(ControlRef c, bool e) {
    controls_[{static_cast<int>(c.control), c.index}].enabled = e;
    log_.add(refName(c) + (e ? " enabled" : " disabled"));
}

void FakeTableView::setMenuChecked(MenuRef m, bool v) {
    menus_[{static_cast<int>(m.item), m.index}].checked = v;
    log_.add("menu " + refName(m) + " checked=" + onOff(v));
}

void FakeTableView::setMenuEnabled(MenuRef m, bool v) {
    menus_[{static_cast<int>(m.item), m.index}].enabled = v;
    log_.add("menu " + refName(m) + " enabled=" + onOff(v));
}

void FakeTableView::setMenuVisible(MenuRef m, bool v) {
    menus_[{static_cast<int>(m.item), m.index}].visible = v;
    log_.add("menu " + refName(m) + " visible=" + onOff(v));
}

void FakeTableView::setMenuCaption(MenuRef m, const std::string& caption) {
    menus_[{static_cast<int>(m.item), m.index}].caption = caption;
    log_.add("menu " + refName(m) + " caption=" + caption);
}

void FakeTableView::setCaption(const std::string& caption) {
    caption_ = caption;
    log_.add("caption " + caption);
}

void FakeTableView::setBusyPointer(bool busy) {
    busy_ = busy;
    log_.add(std::string("pointer ") + (busy ? "busy" : "default"));
}

void FakeTableView::setTableSize(int width, int height) {
    log_.add("table " + std::to_string(width) + "x" + std::to_string(height));
}

void FakeTableView::setWindowState(int state) {
    windowState_ = state;
    log_.add("window state " + std::to_string(state));
}

void FakeTableView::setWindowPosition(double left, double top) {
    left_ = left;
    top_ = top;
    std::ostringstream line;
    line << "window at " << left << "," << top;
    log_.add(line.str());
}

void FakeTableView::repaint() {
    ++repaints_;
    while (!pending_.empty()) {
        auto event = std::move(pending_.front());
        pending_.pop_front();
        event();
    }
}

void FakeTableView::showWindow() {
    shown_ = true;
    log_.add("window show");
}

void FakeTableView::closeWindow() {
    closed_ = true;
    log_.add("window close");
}

int FakeMessageBoxes::messageBox(const std::string& text, int style, const std::string& title) {
    shown_.push_back(title + "|" + std::to_string(style) + "|" + text);
    log_.add("message " + title + ": " + text);
    return MsgAnswer::Ok;
}

std::string FakeSettingsStore::getSetting(const std::string& app, const std::string& section,
                                          const std::string& key, const std::string& defaultValue) const {
    ++reads_;
    const auto it = values_.find({app, section, key});
    return it == values_.end() ? defaultValue : it->second;
}

void FakeSettingsStore::saveSetting(const std::string& app, const std::string& section,
                                    const std::string& key, const std::string& value) {
    ++writes_;
    values_[{app, section, key}] = value;
    log_.add("setting " + section + "/" + key + "=" + value);
}

void FakeClock::sleepMs(std::uint32_t ms) {
    const std::uint32_t step = granularity_ != 0 && ms > granularity_ ? granularity_ : ms;
    now_ += step;
    slept_ += step;
}

void FakeSoundDevice::play(int wave, bool inBackground) {
    log_.add("sound " + std::to_string(wave) + (inBackground ? " background" : " wait"));
}

void FakeSoundDevice::stop() {
    log_.add("sound stop");
}

void FakeSplashView::closeSplash() {
    log_.add("splash close");
    if (onUnload_)
        onUnload_();
}

void FakeSplashView::startTimer(int ms, std::function<void()> onTick) {
    onTick_ = std::move(onTick);
    log_.add("splash timer " + std::to_string(ms));
}

void FakeSplashView::fireTimer() {
    if (onTick_)
        onTick_();
}

} // namespace tandora::testing_support
