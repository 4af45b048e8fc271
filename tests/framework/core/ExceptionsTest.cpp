#include "framework/core/Exceptions.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string MessageOf(CException& e)
{
    char text[512];
    if (!e.GetErrorMessage(text, sizeof text))
        return "<none>";
    return text;
}

// Records what the core's message boxes would show.
struct ShownBox
{
    std::string text;
    UINT type = 0;
};
ShownBox g_shown;

int RecordBox(LPCSTR lpszText, UINT nType, UINT)
{
    g_shown.text = lpszText;
    g_shown.type = nType;
    return IDOK;
}

} // namespace

TEST(ExceptionsTest, ArchiveAndFileTextsNameTheFileOnlyWhenKnown)
{
    CArchiveException badClass(CArchiveException::badClass, "C:\\Daten\\Notizen.qiv");
    EXPECT_EQ(MessageOf(badClass),
              "Unerwartetes Dateiformat: \"C:\\Daten\\Notizen.qiv\" enthält ein unbekanntes Objekt.");
    CArchiveException unnamed(CArchiveException::endOfFile);
    EXPECT_EQ(MessageOf(unnamed).find('"'), std::string::npos);
    EXPECT_NE(MessageOf(unnamed).find("Dateiende"), std::string::npos);

    CFileException missing(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, "a.qiv");
    EXPECT_EQ(MessageOf(missing), "Die Datei \"a.qiv\" wurde nicht gefunden.");
    // A cause outside the list still gives a text.
    CFileException odd(99, -1, "a.qiv");
    EXPECT_NE(MessageOf(odd).find("a.qiv"), std::string::npos);

    CUserException user;
    EXPECT_EQ(MessageOf(user), "<none>");
}

TEST(ExceptionsTest, OsErrorsMapToFileCauses)
{
    struct Case { LONG osError; int cause; };
    const Case cases[] = {
        { ERROR_FILE_NOT_FOUND, CFileException::fileNotFound },
        { ERROR_PATH_NOT_FOUND, CFileException::badPath },
        { ERROR_ACCESS_DENIED, CFileException::accessDenied },
        { ERROR_SHARING_VIOLATION, CFileException::sharingViolation },
        { ERROR_DISK_FULL, CFileException::diskFull },
        { ERROR_NEGATIVE_SEEK, CFileException::badSeek },
        { 0, CFileException::none },
        { 123456, CFileException::genericException },
    };
    for (const Case& c : cases)
        EXPECT_EQ(CFileException::OsErrorToException(c.osError), c.cause) << c.osError;

    CFileException* thrown = nullptr;
    try {
        CFileException::ThrowOsError(ERROR_LOCK_VIOLATION, "x.qiv");
    } catch (CFileException* e) {
        thrown = e;
    }
    ASSERT_NE(thrown, nullptr);
    EXPECT_EQ(thrown->m_cause, CFileException::lockViolation);
    EXPECT_EQ(thrown->m_lOsError, ERROR_LOCK_VIOLATION);
    thrown->Delete();
}

TEST(ExceptionsTest, ReportErrorShowsTheTextThroughTheHook)
{
    AfxSetCoreMessageBoxHook(RecordBox);
    CMemoryException memory;
    EXPECT_EQ(memory.ReportError(MB_ICONSTOP), IDOK);
    EXPECT_EQ(g_shown.text, "Nicht genügend Arbeitsspeicher.");
    EXPECT_EQ(g_shown.type, static_cast<UINT>(MB_ICONSTOP));

    CUserException user;
    user.ReportError();
    EXPECT_FALSE(g_shown.text.empty());          // a fallback text, never an empty box
    AfxSetCoreMessageBoxHook(nullptr);
}
