#include "SystemDialogs.h"

#include "PathParts.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include <cstdio>

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        break;
    }
    return QMessageBox::Warning;
}

} // namespace

void QtMessageBoxService::Show(const std::string& text, const std::string& caption, MessageIcon icon)
{
    QMessageBox box(BoxIcon(icon), QString::fromStdString(caption), QString::fromStdString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

MessageBoxService& AfxMessageBoxService()
{
    static QtMessageBoxService real;
    return ServiceSlot<MessageBoxService>::Current(real);
}

std::string AfxProgramBaseName()
{
    return BaseNameWithoutExtension(QCoreApplication::applicationFilePath().toStdString());
}

void AfxShowCommandLineText(const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

std::optional<std::string> QtFileDialogService::ChooseFile(const FileDialogRequest& request)
{
    QFileDialog dialog;
    if (request.forSaving) {
        // Qt's own question before a file that is there is written over.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        // Any name may be typed: one that does not exist is refused by the caller.
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    }
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    // Qt reads the pattern from the description's parentheses, and matches
    // it regardless of letter case, as "*.mul" should be here.
    const QString pattern = QString::fromStdString(request.filterPattern);
    QString filter = QString::fromStdString(request.filterDescription);
    if (!filter.contains(QLatin1Char('(') + pattern + QLatin1Char(')')))
        filter += QStringLiteral(" (") + pattern + QLatin1Char(')');
    dialog.setNameFilter(filter);
    dialog.selectFile(QString::fromStdString(request.initialName));
    dialog.setObjectName(request.forSaving ? QStringLiteral("fileSaveDialog") : QStringLiteral("fileOpenDialog"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath().toStdString();
}

FileDialogService& AfxFileDialogService()
{
    static QtFileDialogService real;
    return ServiceSlot<FileDialogService>::Current(real);
}
