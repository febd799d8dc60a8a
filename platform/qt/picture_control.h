#pragma once

#include <QImage>
#include <QWidget>

namespace tandora {

// One picture of the table: paints its image unscaled from the top-left corner and reports the mouse
// the way the game expects it (button 1/2/4, shift 1/2/4, pixels within the control).
class PictureControl : public QWidget {
    Q_OBJECT
public:
    explicit PictureControl(QWidget* parent);

    void setPicture(int number, const QImage& image);
    int picture() const { return number_; }

    // Developers trace how long a key takes to reach the screen with TANDORA_TRACE_PAINT=1: every paint
    // is written to standard error with the milliseconds since the last key press.
    static void keyPressed();

signals:
    void pressed(int button, int shift, int x, int y);
    void released(int button, int shift, int x, int y);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int number_ = 0;
    QImage image_;
    bool leftDown_ = false;
};

} // namespace tandora
