#include "qt_help_window.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QScreen>
#include <QSplitter>
#include <QTextBrowser>
#include <QUrl>
#include <algorithm>

namespace tandora {

namespace {

constexpr const char* HelpScheme = "help";

// The look of every page; the pages themselves carry only structure.
constexpr const char* PageStyle = R"(
body { font-size: 11pt; }
h1 { color: #1b3f8b; font-size: 18pt; }
h2 { color: #1b3f8b; font-size: 13pt; margin-top: 14px; }
p { margin-top: 8px; }
th { background-color: #1b3f8b; color: white; padding: 3px; }
td { padding: 3px; }
td.pays { text-align: right; }
.tip { background-color: #eef3fb; }
)";

} // namespace

QtHelpWindow::QtHelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("helpWindow"));
    // No larger than the screen leaves beside a caption, so it can always be moved and closed.
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 820, 640);
    resize(std::min(820, area.width() - 20), std::min(600, area.height() - 40));
    auto* splitter = new QSplitter(this);
    contents_ = new QListWidget(splitter);
    contents_->setObjectName(QStringLiteral("contents"));
    contents_->setStyleSheet(QStringLiteral("QListWidget::item { padding: 3px; }"));
    page_ = new QTextBrowser(splitter);
    page_->setObjectName(QStringLiteral("page"));
    page_->setOpenLinks(false);
    page_->document()->setDefaultStyleSheet(QString::fromUtf8(PageStyle));
    splitter->addWidget(contents_);
    splitter->addWidget(page_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 600});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(splitter);

    connect(contents_, &QListWidget::currentRowChanged, this, [this](int row) { showPage(row); });
    connect(page_, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) { followLink(link); });
}

void QtHelpWindow::showHelp(const HelpBook& book, const std::string& pageId) {
    book_ = book;
    setWindowTitle(QString::fromStdString(book_.title));
    {
        const QSignalBlocker quiet(contents_);
        contents_->clear();
        for (const HelpPage& p : book_.pages)
            contents_->addItem(QString::fromStdString(p.title));
    }
    // The list was emptied, so choosing a row always shows its page.
    const int index = indexOf(pageId);
    contents_->setCurrentRow(index < 0 ? 0 : index);
    show();
    raise();
    activateWindow();
}

std::string QtHelpWindow::currentPage() const {
    const int row = contents_->currentRow();
    if (row < 0 || row >= static_cast<int>(book_.pages.size()))
        return {};
    return book_.pages[static_cast<std::size_t>(row)].id;
}

void QtHelpWindow::showPage(int index) {
    if (index < 0 || index >= static_cast<int>(book_.pages.size()))
        return;
    page_->setHtml(QString::fromStdString(book_.pages[static_cast<std::size_t>(index)].html));
}

void QtHelpWindow::followLink(const QUrl& link) {
    if (link.scheme() == QLatin1String(HelpScheme)) {
        const int index = indexOf(link.path().toStdString());
        if (index >= 0)
            contents_->setCurrentRow(index);
        return;
    }
    QDesktopServices::openUrl(link);
}

int QtHelpWindow::indexOf(const std::string& pageId) const {
    for (std::size_t i = 0; i < book_.pages.size(); ++i) {
        if (book_.pages[i].id == pageId)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace tandora
