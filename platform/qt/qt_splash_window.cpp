#include "qt_splash_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "platform/pictures.h"

namespace tandora {

namespace {

constexpr int PictureWidth = 390;
constexpr int PictureHeight = 191;
constexpr int Margin = 10;

} // namespace

QtSplashWindow::QtSplashWindow(PictureSource pictures)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), pictures_(std::move(pictures)),
      timer_(new QTimer(this)) {
    setFixedSize(PictureWidth + 2 * Margin, PictureHeight + 2 * Margin);
    setFocusPolicy(Qt::StrongFocus);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, [this] {
        if (onTick_) {
            onTick_();
        }
    });
}

void QtSplashWindow::showSplash() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}

void QtSplashWindow::closeSplash() {
    close();
}

void QtSplashWindow::startTimer(int milliseconds, std::function<void()> onTick) {
    onTick_ = std::move(onTick);
    timer_->start(milliseconds);
}

void QtSplashWindow::setUnloadHandler(std::function<void()> onUnload) {
    onUnload_ = std::move(onUnload);
}

void QtSplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(32, 32, 40));
    painter.setPen(QColor(96, 96, 112));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    // Painted for this screen's pixels, so a high-density screen shows it sharp.
    const QImage picture = pictures_(SplashPicture, devicePixelRatioF());
    if (!picture.isNull()) {
        painter.drawImage(QRect(Margin, Margin, PictureWidth, PictureHeight), picture);
    }
}

void QtSplashWindow::mousePressEvent(QMouseEvent*) {
    close();
}

void QtSplashWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void QtSplashWindow::closeEvent(QCloseEvent* event) {
    // A closed splash has no timer left, and the game hears of the close once only.
    timer_->stop();
    event->accept();
    if (!unloaded_) {
        unloaded_ = true;
        if (onUnload_) {
            onUnload_();
        }
    }
}

} // namespace tandora
