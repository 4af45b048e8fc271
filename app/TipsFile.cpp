#include "app/TipsFile.h"

#include <sys/stat.h>

#include <cstdio>
#include <ctime>

namespace
{
const char kNoTips[] = "Die Datei 'tipps.txt' enthält keinen Tipp.";

bool IsCommentStart(char ch)
{
    return ch == '\t' || ch == ' ' || ch == ';' || ch == '\n' || ch == '\r';
}
}

BOOL CTipsFile::Open(LPCSTR lpszPath)
{
    m_bOpen = FALSE;
    m_data.clear();
    m_nPosition = 0;
    m_strTimeStamp.Empty();
    FILE* pFile = fopen(lpszPath, "rb");
    if (!pFile)
        return FALSE;
    char buffer[4096];
    size_t nRead = 0;
    while ((nRead = fread(buffer, 1, sizeof(buffer), pFile)) > 0)
        m_data.append(buffer, nRead);
    fclose(pFile);

    struct _stat64 status = {};
    if (_stat64(lpszPath, &status) == 0)
    {
        const __time64_t mtime = status.st_mtime;
        char szStamp[128] = {};
        if (_ctime64_s(szStamp, sizeof(szStamp), &mtime) == 0)
        {
            m_strTimeStamp = szStamp;
            m_strTimeStamp.TrimRight();
        }
    }
    m_bOpen = TRUE;
    return TRUE;
}

void CTipsFile::SetPosition(long nPosition)
{
    m_nPosition = (nPosition < 0 || static_cast<size_t>(nPosition) > m_data.size()) ? 0 : nPosition;
}

std::string CTipsFile::ReadLine(long& nPosition) const
{
    std::string line;
    const size_t nSize = m_data.size();
    size_t i = static_cast<size_t>(nPosition);
    while (i < nSize && line.size() < static_cast<size_t>(kMaxLine))
    {
        const char ch = m_data[i++];
        if (ch == '\r' && i < nSize && m_data[i] == '\n')
            continue;
        line += ch;
        if (ch == '\n')
            break;
    }
    nPosition = static_cast<long>(i);
    return line;
}

CString CTipsFile::ReadNextTip()
{
    if (m_data.empty())
        return kNoTips;
    // At most one wrap: a file of comments alone would otherwise be read
    // round and round.
    bool bWrapped = false;
    for (;;)
    {
        if (static_cast<size_t>(m_nPosition) >= m_data.size())
        {
            if (bWrapped)
                return kNoTips;
            bWrapped = true;
            m_nPosition = 0;
        }
        const long nStart = m_nPosition;
        const std::string line = ReadLine(m_nPosition);
        if (!line.empty() && !IsCommentStart(line[0]))
        {
            m_nTipStart = nStart;
            return CString(line.c_str(), static_cast<int>(line.size()));
        }
    }
}

// The tip line that starts last before the current one, else (from the
// first tip) the last tip line of the file. Comment lines between tips are
// passed over in both directions.
CString CTipsFile::ReadPreviousTip()
{
    if (m_data.empty())
        return kNoTips;
    long nPrevious = -1;
    long nLast = -1;
    long nPosition = 0;
    while (static_cast<size_t>(nPosition) < m_data.size())
    {
        const long nStart = nPosition;
        const std::string line = ReadLine(nPosition);
        if (line.empty() || IsCommentStart(line[0]))
            continue;
        nLast = nStart;
        if (nStart < m_nTipStart)
            nPrevious = nStart;
    }
    if (nLast < 0)
        return kNoTips;
    m_nPosition = nPrevious >= 0 ? nPrevious : nLast;
    return ReadNextTip();
}
