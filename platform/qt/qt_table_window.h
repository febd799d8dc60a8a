#pragma once

#include <QMainWindow>
#include <map>
#include <memory>
#include <utility>

#include "platform/control_surface.h"
#include "platform/qt/catalogue_sources.h"
#include "platform/table_events.h"
#include "platform/table_scale.h"

class QAction;

namespace tandora {

class PictureControl;
class TableMenus;

// The game table: a window whose controls are pictures placed where the game puts them, drawn at the scale
// that fills the window (the table keeps its proportions, centred on the cabinet's grey). It shows and
// reports in the table's design pixels; every decision is the game's.
class QtTableWindow : public QMainWindow, public ControlSurface {
    Q_OBJECT
public:
    explicit QtTableWindow(TableEvents& events, PictureSource pictures = cataloguePictures());
    QtTableWindow(TableEvents& events, FixedPictureSource pictures)
        : QtTableWindow(events, fixedSize(std::move(pictures))) {}
    ~QtTableWindow() override;

    // The game's control operations share names with QWidget's own; keep both reachable.
    using QMainWindow::setEnabled;
    using QMainWindow::setGeometry;
    using QMainWindow::setVisible;

    void setPicture(ControlRef control, int picture) override;
    void setGeometry(ControlRef control, Rect pixels) override;
    void setVisible(ControlRef control, bool visible) override;
    void setEnabled(ControlRef control, bool enabled) override;
    void setToolTip(ControlRef control, const std::string& text) override;

    void setMenuChecked(MenuRef item, bool checked) override;
    void setMenuEnabled(MenuRef item, bool enabled) override;
    void setMenuVisible(MenuRef item, bool visible) override;
    void setMenuCaption(MenuRef item, const std::string& caption) override;

    void setCaption(const std::string& caption) override;
    void setBusyPointer(bool busy) override;

    void setTableSize(int width, int height) override;
    void setTableScale(int percent) override;
    int tableScale() const override;
    void setWindowState(int state) override;
    int windowState() const override;
    void setWindowPosition(double leftTwips, double topTwips) override;
    double windowLeft() const override;
    double windowTop() const override;
    int windowWidthTwips() const override;
    int windowHeightTwips() const override;

    void repaint() override;
    void showWindow() override;
    void closeWindow() override;

    // For tests and tools: the widget behind a control, the action behind a menu item (null if none).
    QWidget* controlWidget(ControlRef control) const;
    QAction* menuAction(MenuRef item) const;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class TableBackdrop;
    void addControl(ControlRef control);
    // Fits the table into the window's table area and puts every control where the scale puts it.
    void layOutTable(TableScale scale);
    PictureControl* find(ControlRef control) const;
    QSize frameSize() const;

    TableEvents& events_;
    PictureSource pictures_;
    QWidget* backdrop_;
    QWidget* surface_;
    QSize design_;
    TableScale scale_;
    std::map<std::pair<Control, int>, PictureControl*> controls_;
    std::unique_ptr<TableMenus> menus_;
    bool busy_ = false;
    bool closing_ = false;
};

} // namespace tandora
