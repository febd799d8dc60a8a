#pragma once

#include <QWidget>
#include <functional>

#include "platform/qt/catalogue_sources.h"
#include "platform/splash_view.h"

class QTimer;

namespace tandora {

// The start-up picture in a frameless window 20 pixels larger each way. A click or Escape closes it early.
class QtSplashWindow : public QWidget, public SplashView {
    Q_OBJECT
public:
    explicit QtSplashWindow(PictureSource pictures = cataloguePictures());
    explicit QtSplashWindow(FixedPictureSource pictures) : QtSplashWindow(fixedSize(std::move(pictures))) {}

    void showSplash() override;
    void closeSplash() override;
    void startTimer(int milliseconds, std::function<void()> onTick) override;
    void setUnloadHandler(std::function<void()> onUnload) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    PictureSource pictures_;
    QTimer* timer_;
    std::function<void()> onTick_;
    std::function<void()> onUnload_;
    bool unloaded_ = false;
};

} // namespace tandora
