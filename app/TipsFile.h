// The tips file "tipps.txt": one tip a line, lines that begin with a tab, a
// space, a semicolon or a line end are comments. Reading goes on from a
// byte position that the tip dialog keeps between runs; it wraps at the end
// of the file, and backwards from the first tip to the last. A file without
// any tip line gives a note after one pass instead of reading on forever.
//
// The file is read whole into memory (it is small); positions are byte
// offsets in the file, so they stay valid between runs as long as the file
// is unchanged.
#pragma once

#include "framework/core/String.h"

#include <string>

class CTipsFile
{
public:
    // Reads the file; FALSE when it cannot be opened.
    BOOL Open(LPCSTR lpszPath);
    BOOL IsOpen() const { return m_bOpen; }

    // The file's modification time as the C library's time text without
    // its line end ("Thu Dec 10 17:06:20 2026"); empty when unknown.
    CString GetTimeStamp() const { return m_strTimeStamp; }

    // Where reading goes on. A position outside the file reads from the start.
    long GetPosition() const { return m_nPosition; }
    void SetPosition(long nPosition);

    // The next tip line from the position (with its line end), wrapping
    // once at the end; a file without any tip line gives a German note.
    CString ReadNextTip();
    // The tip line before the one read last (from the first tip: the last
    // tip line of the file).
    CString ReadPreviousTip();

    // Longest line read at once, line end included; longer lines go on as
    // the next line.
    static constexpr int kMaxLine = 999;

private:
    // The line (at most kMaxLine bytes) from nPosition; moves past it.
    std::string ReadLine(long& nPosition) const;

    std::string m_data;
    BOOL m_bOpen = FALSE;
    long m_nPosition = 0;
    // Where the tip read last starts.
    long m_nTipStart = 0;
    CString m_strTimeStamp;
};
