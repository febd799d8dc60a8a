#include "picture_control.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
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

PictureControl::PictureControl(QWidget* parent, const PictureSource& pictures)
    : QWidget(parent), pictures_(pictures) {
    // Keys belong to the window, which hands every typed character to the game.
    setFocusPolicy(Qt::NoFocus);
}

void PictureControl::setPicture(int number) {
    number_ = number;
    update();
}

void PictureControl::place(Rect design, TableScale scale) {
    design_ = design;
    scale_ = scale;
    const Rect shown = scale.toWindow(design);
    setGeometry(shown.left, shown.top, shown.width, shown.height);
    update();
}

QPoint PictureControl::designPoint(QPointF local) const {
    const QPoint onTable =
        pos() + QPoint(static_cast<int>(std::floor(local.x())), static_cast<int>(std::floor(local.y())));
    return {scale_.toDesign(onTable.x()) - design_.left, scale_.toDesign(onTable.y()) - design_.top};
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
    if (number_ == 0) {
        return;
    }
    // The picture is painted for the device pixels it covers: the table's scale times the screen's.
    const qreal screen = devicePixelRatioF();
    const QImage image = pictures_(number_, scale_.factor() * screen);
    if (image.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.drawImage(QRectF(0, 0, image.width() / screen, image.height() / screen), image,
                      QRectF(image.rect()));
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
    const QPoint at = designPoint(event->position());
    emit pressed(button, shiftCode(event->modifiers()), at.x(), at.y());
}

void PictureControl::mouseReleaseEvent(QMouseEvent* event) {
    const int button = buttonCode(event->button());
    if (button == 0) {
        return;
    }
    const QPoint at = designPoint(event->position());
    // Decided before the handler runs: it may move or hide the control.
    const bool click = button == 1 && leftDown_ && rect().contains(event->position().toPoint());
    if (button == 1) {
        leftDown_ = false;
    }
    emit released(button, shiftCode(event->modifiers()), at.x(), at.y());
    if (click) {
        emit clicked();
    }
}

} // namespace tandora
