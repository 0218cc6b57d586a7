#include "editor/qt/QtUserInteraction.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace vantrel {

namespace {

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

// Message texts use CR LF between lines, as the file formats do; a label wants plain LF.
QString DisplayText(const std::string& text) { return ToQt(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

QMessageBox::Icon ToQt(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

std::optional<std::string> RunFileDialog(QWidget* parent, const FileDialogRequest& request,
                                         QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, ToQt(request.title), ToQt(request.initialFolder),
                       ToQt(request.filterDescription));
    dialog.setAcceptMode(mode);
    // A typed name need not exist: the reader reports a missing file itself.
    dialog.setFileMode(QFileDialog::AnyFile);
    // "*.tga" matches Icons.TGA too.
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    if (!request.defaultExtension.empty()) dialog.setDefaultSuffix(ToQt(request.defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace

MessageResult QtUserInteraction::messageBox(const MessageBoxRequest& request) {
    QMessageBox box(ToQt(request.icon), ToQt(request.title), DisplayText(request.text), QMessageBox::NoButton,
                    parent_);
    if (request.buttons == MessageButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.exec();
        return MessageResult::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.setDefaultButton(request.defaultButton == MessageResult::No       ? QMessageBox::No
                         : request.defaultButton == MessageResult::Cancel ? QMessageBox::Cancel
                                                                          : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MessageResult::Yes;
        case QMessageBox::No:
            return MessageResult::No;
        default:
            return MessageResult::Cancel;
    }
}

std::string QtUserInteraction::inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(parent_, ToQt(title), ToQt(prompt), QLineEdit::Normal, ToQt(defaultText), &ok);
    return ok ? answer.toStdString() : std::string();
}

std::optional<std::string> QtUserInteraction::openFileDialog(const FileDialogRequest& request) {
    return RunFileDialog(parent_, request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtUserInteraction::saveFileDialog(const FileDialogRequest& request) {
    return RunFileDialog(parent_, request, QFileDialog::AcceptSave);
}

std::optional<std::uint32_t> QtUserInteraction::colorDialog(std::uint32_t initialColor) {
    const QColor initial(static_cast<int>(initialColor & 255), static_cast<int>((initialColor >> 8) & 255),
                         static_cast<int>((initialColor >> 16) & 255));
    const QColor chosen = QColorDialog::getColor(initial, parent_);
    if (!chosen.isValid()) return std::nullopt;
    return static_cast<std::uint32_t>(chosen.red()) | (static_cast<std::uint32_t>(chosen.green()) << 8) |
           (static_cast<std::uint32_t>(chosen.blue()) << 16);
}

}  // namespace vantrel
