#include "MessageBox.h"

#include "PathParts.h"

#include <QApplication>
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
    return QString::fromStdString(BaseNameWithoutExtension(QCoreApplication::applicationFilePath().toStdString()));
}

void AfxMessageBox(const std::string& text, MessageIcon icon)
{
    AfxMessageBoxService().Show(QApplication::activeWindow(), QString::fromStdString(text), AfxProgramBaseName(), icon);
}
