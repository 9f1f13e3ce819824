#pragma once

#include "CEditorDlg.h"
#include "CFileDialog.h"
#include "MessageBox.h"
#include "NativeWindow.h"
#include "SystemDialogs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// Records every message box instead of showing it, its texts as Qt strings
// (named apart from the support folder's stand-in, which tests built into
// this program use too).
class QtRecordedMessages final : public MessageBoxService {
public:
    struct Shown {
        QString text;
        QString caption;
        MessageIcon icon;
    };
    void Show(const std::string& text, const std::string& caption, MessageIcon icon) override
    {
        shown.push_back({QString::fromStdString(text), QString::fromStdString(caption), icon});
    }
    std::vector<QString> Texts() const
    {
        std::vector<QString> texts;
        for (const Shown& s : shown)
            texts.push_back(s.text);
        return texts;
    }
    std::vector<Shown> shown;
};

// Answers file dialogs, open or save, from a queue; an empty answer, or none, cancels.
class ScriptedFileDialogs final : public FileDialogService {
public:
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override
    {
        requests.push_back(request);
        if (answers.empty())
            return std::nullopt;
        const QString answer = answers.front();
        answers.pop_front();
        if (answer.isEmpty())
            return std::nullopt;
        return answer.toStdString();
    }
    std::deque<QString> answers;
    std::vector<FileDialogRequest> requests;
};

// Types text as key presses, one character each.
void TypeText(QWidget* widget, const QString& text);

// An editor created and shown (not modal), with the services answering.
class EditorHarness {
public:
    explicit EditorHarness(std::function<void()> showAbout = {});
    // The same over an editor of a test's own making.
    explicit EditorHarness(std::unique_ptr<CEditorDlg> dialog);
    ~EditorHarness();

    CEditorDlg& Dialog() { return *m_dialog; }
    QDialog& Window() const { return NativeDialog(*m_dialog); }
    QLineEdit* Edit(int id) const;
    QCheckBox* Check(int id) const;
    QWidget* Control(int id) const;

    // What a user does.
    void ClickButton(int id);
    void ClickCheck(int bit);  // the box of flag bit 0 .. 63
    void SelectLine(int position);
    void TypeInto(int id, const QString& text);   // appends, as keystrokes
    void ReplaceText(int id, const QString& text); // select all, then type
    void ClearBox(int id);
    void Paste(int id, const QString& text);  // over the whole text, through the clipboard
    void Load(const std::string& path);
    void Save() { ClickButton(IDC_SAVE); }

    QtRecordedMessages messages;
    ScriptedFileDialogs fileDialogs;

private:
    ScopedMessageBoxService m_messageScope{messages};
    ScopedFileDialogService m_fileDialogScope{fileDialogs};
    std::unique_ptr<CEditorDlg> m_dialog;
};
