// CRecentFileList: the most recently used files, newest first, kept in the
// application's profile (section and "File%d" entries numbered from 1) and
// shown in the File menu as "&1 name".
#pragma once

#include "framework/core/String.h"

#include <vector>

class CCmdUI;

// Longest name shown in a menu before the path is shortened.
#define AFX_ABBREV_FILENAME_LEN 30

class CRecentFileList
{
public:
    // nStart: the number of the first menu entry less one; nSize: how many
    // files are kept; nMaxDispLen: longest display name (-1: no limit).
    CRecentFileList(UINT nStart, LPCSTR lpszSection, LPCSTR lpszEntryFormat, int nSize,
                    int nMaxDispLen = AFX_ABBREV_FILENAME_LEN);
    virtual ~CRecentFileList();

    int GetSize() const;
    // The path at nIndex; empty when the list holds fewer files.
    CString& operator[](int nIndex);

    virtual void Remove(int nIndex);
    // Puts the full form of the path at the front; a file already in the
    // list moves there.
    virtual void Add(LPCSTR lpszPathName);
    // The name to show for entry nIndex: the file title alone when it lies
    // in lpszCurDir (nCurDir characters, with its trailing backslash), else
    // the path shortened to the display length, keeping at least the file
    // name when bAtLeastName. FALSE for an empty entry.
    virtual BOOL GetDisplayName(CString& strName, int nIndex, LPCSTR lpszCurDir, int nCurDir,
                                BOOL bAtLeastName = TRUE) const;
    // Puts the files into the menu in place of the command's item; with no
    // files the item stays, disabled.
    virtual void UpdateMenu(CCmdUI* pCmdUI);
    virtual void ReadList();
    virtual void WriteList();

    CRecentFileList(const CRecentFileList&) = delete;
    CRecentFileList& operator=(const CRecentFileList&) = delete;

protected:
    std::vector<CString> m_arrNames;
    CString m_strSectionName;
    CString m_strEntryFormat;
    UINT m_nStart;
    int m_nMaxDisplayLength;
    CString m_strOriginal;   // the menu item's text before the first update
};

// Shortens a full path to at most cchMax characters, keeping the volume
// and its first folder: "C:\dir\...\dir\file", then "C:\dir\...\file", then
// the file name alone (or nothing unless bAtLeastName).
CString AFXAPI AfxAbbreviateName(LPCSTR lpszPath, int cchMax, BOOL bAtLeastName);
