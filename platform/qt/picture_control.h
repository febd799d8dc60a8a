#pragma once

#include <QImage>
#include <QWidget>

#include "platform/controls.h"
#include "platform/qt/catalogue_sources.h"
#include "platform/table_scale.h"

namespace tandora {

// One picture of the table. It covers the window pixels of its design rectangle at the table's scale, paints
// its picture for exactly those device pixels, and reports the mouse the way the game expects it (button
// 1/2/4, shift 1/2/4, design pixels within the control, whatever the scale).
class PictureControl : public QWidget {
    Q_OBJECT
public:
    PictureControl(QWidget* parent, const PictureSource& pictures);

    void setPicture(int number);
    int picture() const { return number_; }
    void place(Rect design, TableScale scale);
    Rect designRect() const { return design_; }

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
    QPoint designPoint(QPointF local) const;

    const PictureSource& pictures_;
    int number_ = 0;
    Rect design_;
    TableScale scale_;
    bool leftDown_ = false;
};

} // namespace tandora
