#include "qt_table_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "platform/pictures.h"
#include "platform/qt/picture_control.h"
#include "platform/qt/screen_units.h"
#include "platform/qt/table_menus.h"
#include "platform/table_layout.h"
#include "resources/table_painter.h"

namespace tandora {

namespace {

using Layout::TableHeight;
using Layout::TableWidth;

// A classic frame around the client area, used until the window manager has told us the real one.
constexpr int FrameWidth = 6;
constexpr int FrameHeight = 26;

QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

// The window's table area: the cabinet's grey around the table, which it keeps fitted to its size.
class TableBackdrop : public QWidget {
public:
    explicit TableBackdrop(QtTableWindow& window) : QWidget(&window), window_(window) {
        setAutoFillBackground(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, TablePainter::frameColour());
        setPalette(colours);
    }

protected:
    void resizeEvent(QResizeEvent*) override {
        window_.layOutTable(
            TableScale::fitting(width(), height(), window_.design_.width(), window_.design_.height()));
    }

private:
    QtTableWindow& window_;
};

QtTableWindow::QtTableWindow(TableEvents& events, PictureSource pictures)
    : events_(events), pictures_(std::move(pictures)), backdrop_(new TableBackdrop(*this)),
      surface_(new QWidget(backdrop_)), design_(TableWidth, TableHeight) {
    setCentralWidget(backdrop_);

    // Created bottom to top: each control covers the ones made before it.
    using C = Control;
    for (Control control : {C::pbMain, C::GridLabel, C::LabelLeft, C::LabelRight, C::CoinHighlight,
                            C::WinHighlight, C::CashOut, C::Bet1, C::MaxBet, C::Deal, C::CashIn}) {
        addControl({control});
    }
    for (int i = 1; i <= 5; ++i) {
        addControl({C::Hold, i});
    }
    for (int i = 1; i <= 5; ++i) {
        addControl({C::HandPos, i});
    }
    for (int i = Layout::FirstCreditDigit; i <= Layout::CounterDigits; ++i) {
        addControl({C::Credits, i});
    }
    for (int i = 1; i <= 4; ++i) {
        addControl({C::Paid, i});
    }
    for (Control control : {C::Coins, C::GameOver, C::CreditsHint, C::imgDoubleUp}) {
        addControl({control});
    }

    menus_ = std::make_unique<TableMenus>(menuBar(), [this](MenuRef item) { events_.menuClick(item); });

    setFocusPolicy(Qt::StrongFocus);
    setTableScale(100);

    // Painted for the sizes desktops show icons at, so no size is a magnified small one.
    QIcon icon;
    for (const qreal scale : {1.0, 2.0, 4.0}) {
        const QImage picture = pictures_(WindowIconPicture, scale);
        if (!picture.isNull()) {
            QPixmap pixmap = QPixmap::fromImage(picture);
            pixmap.setDevicePixelRatio(1);
            icon.addPixmap(pixmap);
        }
    }
    if (!icon.isNull()) {
        setWindowIcon(icon);
    }
}

QtTableWindow::~QtTableWindow() {
    setBusyPointer(false);
}

void QtTableWindow::addControl(ControlRef control) {
    auto* widget = new PictureControl(surface_, pictures_);
    widget->setObjectName(QString::fromLatin1(controlName(control.control).data(),
                                              static_cast<qsizetype>(controlName(control.control).size())) +
                          (control.index > 0 ? QString::number(control.index) : QString()));
    widget->place({}, scale_);
    connect(widget, &PictureControl::pressed, this, [this, control](int button, int shift, int x, int y) {
        events_.mouseDown(control, button, shift, x, y);
    });
    connect(widget, &PictureControl::released, this, [this, control](int button, int shift, int x, int y) {
        events_.mouseUp(control, button, shift, x, y);
    });
    connect(widget, &PictureControl::clicked, this, [this, control] { events_.click(control); });
    controls_[{control.control, control.index}] = widget;
}

PictureControl* QtTableWindow::find(ControlRef control) const {
    const auto found = controls_.find({control.control, control.index});
    return found == controls_.end() ? nullptr : found->second;
}

QWidget* QtTableWindow::controlWidget(ControlRef control) const {
    return find(control);
}

QAction* QtTableWindow::menuAction(MenuRef item) const {
    return menus_->action(item);
}

void QtTableWindow::setPicture(ControlRef control, int picture) {
    if (PictureControl* widget = find(control)) {
        widget->setPicture(picture);
    }
}

void QtTableWindow::setGeometry(ControlRef control, Rect pixels) {
    if (PictureControl* widget = find(control)) {
        widget->place(pixels, scale_);
    }
}

void QtTableWindow::setVisible(ControlRef control, bool visible) {
    if (PictureControl* widget = find(control)) {
        widget->setVisible(visible);
    }
}

void QtTableWindow::setEnabled(ControlRef control, bool enabled) {
    if (PictureControl* widget = find(control)) {
        widget->setEnabled(enabled);
    }
}

void QtTableWindow::setToolTip(ControlRef control, const std::string& text) {
    if (PictureControl* widget = find(control)) {
        widget->setToolTip(toQString(text));
    }
}

void QtTableWindow::setMenuChecked(MenuRef item, bool checked) {
    if (QAction* action = menus_->action(item)) {
        action->setChecked(checked);
    }
}

void QtTableWindow::setMenuEnabled(MenuRef item, bool enabled) {
    if (QAction* action = menus_->action(item)) {
        action->setEnabled(enabled);
    }
}

void QtTableWindow::setMenuVisible(MenuRef item, bool visible) {
    if (QAction* action = menus_->action(item)) {
        action->setVisible(visible);
    }
}

void QtTableWindow::setMenuCaption(MenuRef item, const std::string& caption) {
    if (QAction* action = menus_->action(item)) {
        action->setText(toQString(caption));
    }
}

void QtTableWindow::setCaption(const std::string& caption) {
    setWindowTitle(toQString(caption));
}

void QtTableWindow::setBusyPointer(bool busy) {
    if (busy == busy_) {
        return;
    }
    busy_ = busy;
    if (busy) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
}

void QtTableWindow::setTableSize(int width, int height) {
    design_ = QSize(width, height);
    setTableScale(tableScale());
}

void QtTableWindow::setTableScale(int percent) {
    const TableScale scale = TableScale::percent(percent);
    const QSize table(scale.toWindow(design_.width()), scale.toWindow(design_.height()));
    const TableScale smallest = TableScale::percent(50);
    backdrop_->setMinimumSize(smallest.toWindow(design_.width()), smallest.toWindow(design_.height()));
    layOutTable(scale);
    // The table area takes the table's size; the menu bar may need more than one line at small sizes.
    resize(table.width(), table.height() + menuBar()->heightForWidth(table.width()));
}

int QtTableWindow::tableScale() const {
    return scale_.percent();
}

void QtTableWindow::layOutTable(TableScale scale) {
    scale_ = scale;
    const QSize table(scale.toWindow(design_.width()), scale.toWindow(design_.height()));
    surface_->setGeometry(std::max(0, (backdrop_->width() - table.width()) / 2),
                          std::max(0, (backdrop_->height() - table.height()) / 2), table.width(),
                          table.height());
    for (const auto& [key, control] : controls_) {
        control->place(control->designRect(), scale);
    }
}

void QtTableWindow::setWindowState(int state) {
    Qt::WindowStates states = QWidget::windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (state == 1) {
        states |= Qt::WindowMinimized;
    } else if (state == 2) {
        states |= Qt::WindowMaximized;
    }
    QWidget::setWindowState(states);
}

int QtTableWindow::windowState() const {
    const Qt::WindowStates states = QWidget::windowState();
    if (states.testFlag(Qt::WindowMinimized)) {
        return 1;
    }
    return states.testFlag(Qt::WindowMaximized) ? 2 : 0;
}

void QtTableWindow::setWindowPosition(double leftTwips, double topTwips) {
    move(static_cast<int>(std::lround(leftTwips / twipsPerPixelX())),
         static_cast<int>(std::lround(topTwips / twipsPerPixelY())));
}

double QtTableWindow::windowLeft() const {
    return static_cast<double>(pos().x()) * twipsPerPixelX();
}

double QtTableWindow::windowTop() const {
    return static_cast<double>(pos().y()) * twipsPerPixelY();
}

QSize QtTableWindow::frameSize() const {
    if (QWidget::isVisible()) {
        return frameGeometry().size();
    }
    return size() + QSize(FrameWidth, FrameHeight);
}

int QtTableWindow::windowWidthTwips() const {
    return frameSize().width() * twipsPerPixelX();
}

int QtTableWindow::windowHeightTwips() const {
    return frameSize().height() * twipsPerPixelY();
}

void QtTableWindow::repaint() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtTableWindow::showWindow() {
    show();
    raise();
    activateWindow();
}

void QtTableWindow::closeWindow() {
    // The game has already asked the player; do not ask again.
    closing_ = true;
    close();
}

bool QtTableWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate) {
        events_.lostFocus();
    }
    return QMainWindow::event(event);
}

void QtTableWindow::closeEvent(QCloseEvent* event) {
    if (closing_ || events_.queryUnload()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void QtTableWindow::keyPressEvent(QKeyEvent* event) {
    // Alt combinations belong to the menu bar's mnemonics; the classic toolkit types nothing for them.
    const QString text = event->text();
    if (text.isEmpty() || event->modifiers().testFlag(Qt::AltModifier)) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    PictureControl::keyPressed();
    for (const QChar c : text) {
        events_.keyPress(c.unicode());
    }
    event->accept();
}

} // namespace tandora
