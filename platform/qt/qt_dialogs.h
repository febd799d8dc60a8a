#pragma once

#include "platform/dialogs.h"
#include "platform/qt/catalogue_sources.h"

class QWidget;

namespace tandora {

// Builds each modal dialog from the layout its logic describes, and hands every button to the logic.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* owner = nullptr, PictureSource pictures = cataloguePictures())
        : owner_(owner), pictures_(std::move(pictures)) {}

    void showModal(DialogLogic& logic) override;

private:
    QWidget* owner_;
    PictureSource pictures_;
};

} // namespace tandora
