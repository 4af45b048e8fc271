// Lines are read whole, whatever their length, and every scan stops at the
// end of its line; a last line without a line feed is a line like any other.
#include "model/exchange/CsvImport.h"

#include "framework/core/Exceptions.h"
#include "framework/core/StdioFile.h"
#include "model/QivItem.h"

#include <string>
#include <vector>

namespace {

bool IsSeparator(char c)
{
    return c == ',' || c == ';';
}

struct Columns
{
    std::vector<CString> names;
    int nTitle = -1;   // the first "Titel"
    int nText = -1;    // the last "Text"
};

Columns ParseHeader(const CString& line)
{
    Columns columns;
    const char* s = line.GetString();
    int n = line.GetLength();
    int pos = 0;
    while (pos < n) {
        if (s[pos] == '"')
            ++pos;
        int start = pos;
        while (pos < n && !IsSeparator(s[pos]) && s[pos] != '"')
            ++pos;
        CString name(s + start, pos - start);
        if (pos < n && s[pos] == '"')
            ++pos;
        if (pos < n && IsSeparator(s[pos]))
            ++pos;
        int index = static_cast<int>(columns.names.size());
        if (columns.nTitle < 0 && name.CompareNoCase("Titel") == 0)
            columns.nTitle = index;
        if (name.CompareNoCase("Text") == 0)
            columns.nText = index;
        columns.names.push_back(name);
    }
    return columns;
}

std::unique_ptr<C_QivItem> ParseLine(const CString& line, const Columns& columns)
{
    CString title;
    std::string text;
    const char* s = line.GetString();
    int n = line.GetLength();
    int pos = 0;
    for (size_t column = 0; column < columns.names.size() && pos < n; ++column) {
        int start;
        if (s[pos] == '"') {
            start = ++pos;
            while (pos < n && s[pos] != '"')
                ++pos;
        } else {
            start = pos;
            while (pos < n && !IsSeparator(s[pos]))
                ++pos;
        }
        std::string field(s + start, pos - start);
        if (pos < n && s[pos] == '"')
            ++pos;
        if (pos < n && IsSeparator(s[pos]))
            ++pos;

        int index = static_cast<int>(column);
        if (index == columns.nTitle) {
            title = CString(field.data(), static_cast<int>(field.size()));
        } else if (index == columns.nText) {
            text = text.empty() ? field : field + "\n" + text;
        } else {
            const CString& name = columns.names[column];
            text += "\n";
            text.append(name.GetString(), name.GetLength());
            text += ": ";
            text += field;
        }
    }
    std::unique_ptr<C_QivEntry> entry(new C_QivEntry(title));
    entry->SetText(text.c_str(), static_cast<DWORD>(text.size() + 1));
    return entry;
}

CQivNewItems ReadCsvFile(LPCSTR lpszPath)
{
    CStdioFile file(lpszPath, CFile::modeRead | CFile::typeText);
    CQivNewItems entries;
    CString line;
    if (!file.ReadString(line))
        return entries;
    Columns columns = ParseHeader(line);
    while (file.ReadString(line))
        entries.push_back(ParseLine(line, columns));
    file.Close();
    return entries;
}

} // namespace

CQivNewItems QivReadCsvFile(LPCSTR lpszPath)
{
    return AfxCallWithMemoryException([&] { return ReadCsvFile(lpszPath); });
}
