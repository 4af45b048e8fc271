// Files for the import and export tests: a private folder that is removed
// with its content, whole-file reads and writes, and the program's data
// files in the source tree.
#pragma once

#include "framework/core/String.h"

#include <string>

namespace qivtest {

class CTempFolder
{
public:
    CTempFolder();
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    // The folder, without a closing backslash.
    const CString& Path() const { return m_path; }
    // A name inside the folder.
    CString Path(LPCSTR lpszName) const;

private:
    CString m_path;
};

std::string ReadFileBytes(LPCSTR lpszPath);
void WriteFileBytes(LPCSTR lpszPath, const std::string& bytes);
BOOL FileExists(LPCSTR lpszPath);

// Every LF of the text as CR LF: what a text-mode file holds.
std::string WithCrLf(const std::string& text);

// A folder of the source tree (QIV_SOURCE_DIR, which ctest sets), as a
// Windows path with a closing backslash: "app/res/dhtml" gives the data
// files of the DynamicHTML export.
CString SourceFolder(LPCSTR lpszRelative);

} // namespace qivtest
