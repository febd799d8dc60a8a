#include "picture_control.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <cstdio>

namespace tandora {

namespace {

int buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int shiftCode(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) | (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

} // namespace

PictureControl::PictureControl(QWidget* parent) : QWidget(parent) {
    // Keys belong to the window, which hands every typed character to the game.
    setFocusPolicy(Qt::NoFocus);
}

void PictureControl::setPicture(int number, const QImage& image) {
    number_ = number;
    image_ = number == 0 ? QImage() : image;
    update();
}

namespace {

const bool tracing = qEnvironmentVariableIsSet("TANDORA_TRACE_PAINT");

QElapsedTimer& sinceKey() {
    static QElapsedTimer timer;
    return timer;
}

} // namespace

void PictureControl::keyPressed() {
    if (tracing) {
        sinceKey().start();
        std::fprintf(stderr, "key 0.000\n");
    }
}

void PictureControl::paintEvent(QPaintEvent*) {
    if (image_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
    if (tracing && sinceKey().isValid()) {
        std::fprintf(stderr, "paint %s %d %.3f\n", qPrintable(objectName()), number_,
                     static_cast<double>(sinceKey().nsecsElapsed()) / 1e6);
    }
}

void PictureControl::mousePressEvent(QMouseEvent* event) {
    const int button = buttonCode(event->button());
    if (button == 0) {
        return;
    }
    leftDown_ = button == 1;
    const QPoint at = event->position().toPoint();
    emit pressed(button, shiftCode(event->modifiers()), at.x(), at.y());
}

void PictureControl::mouseReleaseEvent(QMouseEvent* event) {
    const int button = buttonCode(event->button());
    if (button == 0) {
        return;
    }
    const QPoint at = event->position().toPoint();
    // Decided before the handler runs: it may move or hide the control.
    const bool click = button == 1 && leftDown_ && rect().contains(at);
    if (button == 1) {
        leftDown_ = false;
    }
    emit released(button, shiftCode(event->modifiers()), at.x(), at.y());
    if (click) {
        emit clicked();
    }
}

} // namespace tandora
