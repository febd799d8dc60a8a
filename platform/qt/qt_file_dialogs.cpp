#include "qt_file_dialogs.h"

#include <QFileDialog>
#include <QStringList>

namespace tandora {

namespace {

QString filterText(const FileDialogRequest& request) {
    QStringList filters;
    for (const FileFilter& f : request.filters) {
        QString description = QString::fromStdString(f.description);
        // "All Files (*.*)" should show files without an extension too.
        const QString pattern = f.pattern == "*.*" ? QStringLiteral("*") : QString::fromStdString(f.pattern);
        if (!description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (%1)").arg(pattern);
        filters << description;
    }
    return filters.join(QStringLiteral(";;"));
}

std::optional<std::string> run(QWidget* owner, const FileDialogRequest& request,
                               QFileDialog::AcceptMode mode) {
    QFileDialog dialog(owner, QString::fromStdString(request.title),
                       QString::fromStdString(request.initialFolder), filterText(request));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.defaultSuffix.empty())
        dialog.setDefaultSuffix(QString::fromStdString(request.defaultSuffix));
    // Saving asks before replacing a file (Qt's default); opening needs an existing file.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

} // namespace

std::optional<std::string> QtFileDialogs::openFileName(const FileDialogRequest& request) {
    return run(owner_, request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtFileDialogs::saveFileName(const FileDialogRequest& request) {
    return run(owner_, request, QFileDialog::AcceptSave);
}

} // namespace tandora
