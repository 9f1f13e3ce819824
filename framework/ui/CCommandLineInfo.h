#pragma once

#include <string>

// What the program was started with, read an argument at a time by
// CWinApp::ParseCommandLine. "--help" or "--version", wherever it stands,
// asks for that text alone. Otherwise the first argument names a file to
// open, made a full path from the current folder; the arguments after it
// are left alone, and an empty one names nothing. Any other argument is a
// file's name, even one that begins with a dash.
class CCommandLineInfo {
public:
    enum ShellCommand { FileNothing, FileOpen, AppHelp, AppVersion };

    virtual ~CCommandLineInfo() = default;
    virtual void ParseParam(const std::string& param);

    ShellCommand m_nShellCommand = FileNothing;
    std::string m_strFileName;  // UTF-8, as the program's paths are
};
