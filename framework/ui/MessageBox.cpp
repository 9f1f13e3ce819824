#include "MessageBox.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

void QtMessageBoxService::Show(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Warning, caption,
                    text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

MessageBoxService& AfxMessageBoxService()
{
    static QtMessageBoxService real;
    return ServiceSlot<MessageBoxService>::Current(real);
}

QString AfxProgramBaseName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).baseName();
}

void AfxMessageBox(const QString& text, MessageIcon icon)
{
    AfxMessageBoxService().Show(QApplication::activeWindow(), text, AfxProgramBaseName(), icon);
}
