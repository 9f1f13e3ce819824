#include "CCommandLineInfo.h"

#include "PathParts.h"

void CCommandLineInfo::ParseParam(const std::string& param)
{
    if (m_nShellCommand == AppHelp || m_nShellCommand == AppVersion)
        return;
    if (param == "--help") {
        m_nShellCommand = AppHelp;
        return;
    }
    if (param == "--version") {
        m_nShellCommand = AppVersion;
        return;
    }
    if (m_nShellCommand == FileOpen || param.empty())
        return;
    m_nShellCommand = FileOpen;
    m_strFileName = FullPath(param);
}
