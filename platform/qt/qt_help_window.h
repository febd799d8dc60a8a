#pragma once

#include <QWidget>

#include "platform/help_viewer.h"

class QListWidget;
class QTextBrowser;

namespace tandora {

// The help window: the contents on the left, the page on the right. It stays open beside the game table.
class QtHelpWindow : public QWidget, public HelpViewer {
public:
    explicit QtHelpWindow(QWidget* owner = nullptr);

    void showHelp(const HelpBook& book, const std::string& pageId) override;

    // The id of the page on show; empty before the first one.
    std::string currentPage() const;

private:
    void showPage(int index);
    void followLink(const QUrl& link);
    int indexOf(const std::string& pageId) const;

    QListWidget* contents_;
    QTextBrowser* page_;
    HelpBook book_;
};

} // namespace tandora
