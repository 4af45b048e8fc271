#include "framework/core/StdioFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class StdioFileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        ::GetTempFileNameA(temp, "qst", 0, temp);
        m_path = temp;
    }
    void TearDown() override { ::DeleteFileA(m_path); }

    void SetBytes(const std::string& bytes) const
    {
        CFile file(m_path, CFile::modeCreate | CFile::modeWrite);
        file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    }
    std::string Bytes() const
    {
        CFile file(m_path, CFile::modeRead);
        std::string s(static_cast<size_t>(file.GetLength()), '\0');
        if (!s.empty())
            file.Read(&s[0], static_cast<UINT>(s.size()));
        return s;
    }
    std::vector<std::string> Lines(UINT nOpenFlags) const
    {
        CStdioFile file(m_path, CFile::modeRead | nOpenFlags);
        std::vector<std::string> lines;
        CString line;
        while (file.ReadString(line))
            lines.push_back(std::string(line, line.GetLength()));
        return lines;
    }

    CString m_path;
};

} // namespace

TEST_F(StdioFileTest, TextModeJoinsCrLfAndStopsAtCtrlZ)
{
    SetBytes("eins\r\nzwei\n\r\ndrei\r\rvier\r\n\x1a" "after");
    EXPECT_EQ(Lines(CFile::typeText),
              (std::vector<std::string>{ "eins", "zwei", "", "drei\r\rvier" }));
    // Text mode is the default; binary mode passes every byte.
    EXPECT_EQ(Lines(0).size(), 4u);
    EXPECT_EQ(Lines(CFile::typeBinary),
              (std::vector<std::string>{ "eins\r", "zwei", "\r", "drei\r\rvier\r", "\x1a" "after" }));
}

TEST_F(StdioFileTest, BufferReadStringKeepsTheLineFeedLikeFgets)
{
    SetBytes("ab\r\ncdefgh\r\nlast");
    CStdioFile file(m_path, CFile::modeRead | CFile::typeText);
    char buf[5];
    std::vector<std::string> pieces;
    while (file.ReadString(buf, sizeof buf))
        pieces.push_back(buf);
    EXPECT_EQ(pieces, (std::vector<std::string>{ "ab\n", "cdef", "gh\n", "last" }));
    EXPECT_EQ(file.ReadString(buf, sizeof buf), nullptr);
}

TEST_F(StdioFileTest, LongLinesAndCrLfAcrossTheBuffer)
{
    // Lines around the internal buffer size, with CR LF pairs split by refills.
    std::string expected[] = { std::string(8191, 'x'), std::string(8190, 'y'), std::string(100000, 'z'), "end" };
    std::string bytes;
    for (const std::string& line : expected)
        bytes += line + "\r\n";
    SetBytes(bytes);
    std::vector<std::string> lines = Lines(CFile::typeText);
    ASSERT_EQ(lines.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i;

    // The same through Read, which translates the same way.
    CStdioFile file(m_path, CFile::modeRead);
    std::string all(bytes.size(), '\0');
    UINT n = file.Read(&all[0], static_cast<UINT>(all.size()));
    all.resize(n);
    EXPECT_EQ(all, expected[0] + "\n" + expected[1] + "\n" + expected[2] + "\n" + expected[3] + "\n");
}

TEST_F(StdioFileTest, WritingTurnsLineFeedsIntoCrLfInTextModeOnly)
{
    {
        CStdioFile file(m_path, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        file.WriteString("<html>\n");
        file.WriteString("a\r\n");
        file.Write("b\nc", 3);
    }
    EXPECT_EQ(Bytes(), "<html>\r\na\r\r\nb\r\nc");
    {
        CStdioFile file(m_path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        file.WriteString("a\nb\r\n");
        file.Close();
    }
    EXPECT_EQ(Bytes(), "a\nb\r\n");

    // A long text in one call, crossing the buffer many times.
    std::string big;
    for (int i = 0; i < 5000; ++i)
        big += "Zeile\n";
    {
        CStdioFile file(m_path, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        file.WriteString(big.c_str());
        EXPECT_EQ(file.GetLength(), big.size() + 5000);
    }
    EXPECT_EQ(Bytes().size(), big.size() + 5000);
}

TEST_F(StdioFileTest, PositionsAreFileOffsetsWhenSwitchingDirection)
{
    SetBytes("eins\r\nzwei\r\n");
    CStdioFile file(m_path, CFile::modeReadWrite | CFile::typeText);
    CString line;
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(file.GetPosition(), 6u);
    file.WriteString("ZWEI\n");                    // overwrites from the read position
    EXPECT_EQ(file.GetPosition(), 12u);
    file.SeekToBegin();
    ASSERT_TRUE(file.ReadString(line));
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_STREQ(line, "ZWEI");
    EXPECT_FALSE(file.ReadString(line));
}
