// Titles reach the page inside double-quoted script strings, after the HTML
// conversion has put quotes of its own into them (links), so every string
// is escaped for script as a whole.
#include "model/exchange/DynamicHtmlExport.h"

#include "framework/core/StdioFile.h"
#include "model/ItemWalk.h"
#include "model/QivItem.h"
#include "model/exchange/ExchangePath.h"
#include "model/exchange/HtmlExport.h"
#include "model/exchange/HtmlText.h"

#include <shellapi.h>
#include <stdio.h>

#include <string>
#include <vector>

const char* const QIV_DHTML_TEMPLATE = "DHTML Export Template.htm";
const char* const QIV_DHTML_SUPPORT_FILES[14] = {
    "branch.gif", "branch_last.gif", "category_collapsed.gif", "category_expanded.gif",
    "entry.gif", "line.gif", "loading.htm", "minus.gif", "minus_last.gif", "noscript.htm",
    "plus.gif", "plus_last.gif", "space.gif", "welcome.htm",
};

namespace {

const char szCodeMarker[] = "  <!-- insert code here, do not modify this line! -->";
const char szFrameMarker[] = "  <!-- insert frame-info here, do not modify this line! -->";

void Put(CStdioFile& file, const CString& str)
{
    file.Write(str.GetString(), static_cast<UINT>(str.GetLength()));
}

CString Number(int n)
{
    char buffer[16];
    snprintf(buffer, sizeof(buffer), "%d", n);
    return CString(buffer);
}

CString Quoted(const CString& str)
{
    return "\"" + EscapeScriptString(str) + "\"";
}

void WriteTreeLine(CStdioFile& file, C_QivItem* pItem, int nCounter, int nParent,
                   const CString& strDataFolder, BOOL bRoot)
{
    CString title = pItem->m_strTitle;
    title.Replace('"', '\'');
    CString html = ConvertTextToHtml(title);
    CString line;
    if (QivAsEntry(pItem)) {
        line = "  TreeData.Add(new Entry(" + Quoted(Number(nParent)) + ", " + Quoted(html) + ", " +
               Quoted(strDataFolder + "data.htm#" + Number(nCounter)) +
               ", \"\", \"\", \"Eintrag zeigen\"));\n";
    } else if (!QivAsCategory(pItem)) {
        return;
    } else if (bRoot) {
        line = "  TreeData.Add(new Root(" + Quoted(Number(nCounter)) + ", " + Quoted(html) +
               ", DataFolder+\"data.htm#0\", " + Quoted(title) + "));\n";
    } else {
        line = "  TreeData.Add(new Category(" + Quoted(Number(nCounter)) + ", " +
               Quoted(Number(nParent)) + ", " + Quoted(html) + ", \"\", \"\", DataFolder+" +
               Quoted("data.htm#" + Number(nCounter)) + "));\n";
    }
    Put(file, line);
}

// Copies one support file into the folder. Paths of any length: the shell's
// copy where it can take them, else the long-path form of the file functions.
void CopySupportFile(const CString& strSource, const CString& strFolder)
{
    CString target = strFolder + "\\" + QivPathFileName(strSource);
    if (strSource.GetLength() < MAX_PATH && target.GetLength() < MAX_PATH) {
        std::string from(strSource.GetString(), strSource.GetLength() + 1);
        std::string to(strFolder.GetString(), strFolder.GetLength() + 1);
        from.push_back('\0');
        to.push_back('\0');
        SHFILEOPSTRUCTA op = {};
        op.hwnd = nullptr;
        op.wFunc = FO_COPY;
        op.pFrom = from.c_str();
        op.pTo = to.c_str();
        // A support file that cannot be copied is left out without a word.
        op.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_NOERRORUI;
        ::SHFileOperationA(&op);
        return;
    }
    std::wstring longSource = L"\\\\?\\" + AfxAnsiToWide(strSource);
    std::wstring longTarget = L"\\\\?\\" + AfxAnsiToWide(target);
    ::CopyFileW(longSource.c_str(), longTarget.c_str(), FALSE);
}

// Made before the first copy: a single file copied to a folder that does not
// exist yet would take the folder's name as a file.
void MakeFolder(const CString& strFolder)
{
    if (strFolder.GetLength() < MAX_PATH)
        ::CreateDirectoryA(strFolder, nullptr);
    else
        ::CreateDirectoryW((L"\\\\?\\" + AfxAnsiToWide(strFolder)).c_str(), nullptr);
}

} // namespace

void QivWriteDhtmlTreeData(CStdioFile& file, C_QivItem* pItem, int& nCounter, int nParent,
                           const CString& strDataFolder, BOOL bRoot)
{
    CQivTreeWalk walk(pItem);
    std::vector<int> numbers;   // the numbers of the categories entered
    while (walk.Next()) {
        C_QivItem* pNode = walk.GetItem();
        BOOL bStart = pNode == pItem;
        if (!bStart && !walk.GetParent())
            break;
        if (walk.IsLeaving()) {
            numbers.pop_back();
            if (bStart)
                break;
            continue;
        }
        if (!bStart)
            ++nCounter;
        int nNodeParent = numbers.empty() ? nParent : numbers.back();
        WriteTreeLine(file, pNode, nCounter, nNodeParent, strDataFolder, bStart && bRoot);
        if (walk.GetCategory())
            numbers.push_back(nCounter);
    }
}

void QivExportDynamicHtml(C_QivCategory* pCategory, LPCSTR lpszPath, LPCSTR lpszProgramFolder)
{
    CString programFolder(lpszProgramFolder);
    CString fileTitle = QivPathTitle(lpszPath);
    CString dataFolder = fileTitle + "-Dateien/";
    CString supportFolder = QivPathFolder(lpszPath) + fileTitle + "-Dateien";

    CStdioFile templ(programFolder + QIV_DHTML_TEMPLATE, CFile::modeRead | CFile::typeText);
    CStdioFile page(lpszPath, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
    CString line;
    while (templ.ReadString(line)) {
        if (line == szCodeMarker) {
            Put(page, "  DataFolder = " + Quoted(dataFolder) + ";\n");
            Put(page, "  TreeData = new Collection();\n");
            int nCounter = 0;
            QivWriteDhtmlTreeData(page, pCategory, nCounter, 0, dataFolder, TRUE);
        } else if (line == szFrameMarker) {
            Put(page, "  <FRAME NAME=\"TreeFrame\" SRC=\"" + fileTitle +
                          "-Dateien/loading.htm\" MARGINWIDTH=\"0\" MARGINHEIGHT=\"0\">\n");
            Put(page, "  <FRAME NAME=\"TextFrame\" SRC=\"" + fileTitle + "-Dateien/welcome.htm\">\n");
        } else {
            Put(page, line + "\n");
        }
    }

    MakeFolder(supportFolder);
    for (const char* name : QIV_DHTML_SUPPORT_FILES)
        CopySupportFile(programFolder + name, supportFolder);

    CStdioFile data(supportFolder + "\\data.htm",
                    CFile::modeCreate | CFile::modeWrite | CFile::typeText);
    Put(data, "<HTML>\n");
    Put(data, "<HEAD>\n");
    Put(data, "<TITLE>" + ConvertTextToHtml(pCategory->m_strTitle) + "</TITLE>\n");
    Put(data, "</HEAD>\n");
    Put(data, "<BODY>\n");
    Put(data, "<!-- --------------------------------- -->\n");
    Put(data, "<!-- Qivnotes Dynamic HTML Export      -->\n");
    Put(data, "<!-- --------------------------------- -->\n");
    int nCounter = 0;
    QivWriteHtml(data, pCategory, nCounter, FALSE, 1, TRUE);
    Put(data, "\n</BODY>\n");
    Put(data, "</HTML>\n");
    data.Close();
    page.Close();
    templ.Close();
}
