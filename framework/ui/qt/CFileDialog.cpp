#include "CFileDialog.h"

#include "Afx.h"

#include <QFileDialog>
#include <QFileInfo>

std::optional<QString> QtFileDialogService::GetOpenFileName(QWidget* owner, const FileDialogRequest& request)
{
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Any name may be typed: one that does not exist is refused by the caller.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setDefaultSuffix(request.defaultExtension);
    // Qt reads the pattern from the description's parentheses, and matches
    // it regardless of letter case, as "*.mul" should be here.
    QString filter = request.filterDescription;
    if (!filter.contains(QLatin1Char('(') + request.filterPattern + QLatin1Char(')')))
        filter += QStringLiteral(" (") + request.filterPattern + QLatin1Char(')');
    dialog.setNameFilter(filter);
    dialog.selectFile(request.initialName);
    dialog.setObjectName(QStringLiteral("fileOpenDialog"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}

FileDialogService& AfxFileDialogService()
{
    static QtFileDialogService real;
    return ServiceSlot<FileDialogService>::Current(real);
}

CFileDialog::CFileDialog(bool, const char* defaultExtension, const char* fileName, unsigned, const char* filter)
{
    m_request.defaultExtension = QString::fromLatin1(defaultExtension);
    m_request.initialName = QString::fromLatin1(fileName);
    // "Description|pattern||": the one filter this program uses.
    const QStringList parts = QString::fromLatin1(filter).split(QLatin1Char('|'));
    m_request.filterDescription = parts.value(0);
    m_request.filterPattern = parts.value(1);
}

int CFileDialog::DoModal()
{
    const std::optional<QString> chosen = AfxFileDialogService().GetOpenFileName(nullptr, m_request);
    if (!chosen)
        return IDCANCEL;
    m_pathName = chosen->toLocal8Bit().toStdString();
    return IDOK;
}
