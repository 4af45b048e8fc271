// Both passes walk the tree with the model's heap-stacked walk, so a
// category of any depth or width is written without recursion.
#include "model/exchange/HtmlExport.h"

#include "framework/core/StdioFile.h"
#include "model/ItemWalk.h"
#include "model/QivItem.h"
#include "model/exchange/HtmlText.h"

#include <stdio.h>

namespace {

void Put(CStdioFile& file, LPCSTR lpsz)
{
    file.WriteString(lpsz);
}

void Put(CStdioFile& file, const CString& str)
{
    file.Write(str.GetString(), static_cast<UINT>(str.GetLength()));
}

void PutNumber(CStdioFile& file, LPCSTR lpszFormat, int n)
{
    char buffer[64];
    snprintf(buffer, sizeof(buffer), lpszFormat, n);
    Put(file, buffer);
}

// One node's own part of a pass: a contents link, or its anchor, heading and
// (for an entry) note.
void WriteItemPart(CStdioFile& file, C_QivItem* pItem, int nCounter, BOOL bContents,
                   int nLevel, BOOL bFlat)
{
    CString title = ConvertTextToHtml(pItem->m_strTitle);
    if (bContents) {
        if (nLevel == 1 && QivAsCategory(pItem))
            Put(file, "<A NAME=0><H1>Inhaltsverzeichnis</H1></A>\n");
        PutNumber(file, "<A HREF=#%d>", nCounter);
        Put(file, title);
        Put(file, "</A><BR>\n");
        return;
    }
    PutNumber(file, "<A NAME=%d>", nCounter);
    if (bFlat) {
        Put(file, "<H2>");
        Put(file, title);
        Put(file, "</H2>");
    } else {
        PutNumber(file, "<H%d>", nLevel);
        Put(file, title);
        PutNumber(file, "</H%d>", nLevel);
    }
    if (C_QivEntry* pEntry = QivAsEntry(pItem)) {
        Put(file, ConvertTextToHtml(reinterpret_cast<LPCSTR>(pEntry->m_pText),
                                    static_cast<int>(pEntry->m_nTextLength)));
        Put(file, bFlat ? "<HR>\n" : "<P>\n");
    }
}

} // namespace

void QivWriteHtml(CStdioFile& file, C_QivItem* pItem, int& nCounter, BOOL bContents,
                  int nLevel, BOOL bFlat)
{
    CQivTreeWalk walk(pItem);
    int nOpen = 0;   // categories entered and not yet left
    while (walk.Next()) {
        C_QivItem* pNode = walk.GetItem();
        BOOL bStart = pNode == pItem;
        if (!bStart && !walk.GetParent())
            break;   // pItem's following siblings are not part of it
        if (walk.IsLeaving()) {
            --nOpen;
            if (!bFlat) {
                Put(file, "</UL>\n");
                if (!bStart)
                    Put(file, "</LI>\n");
            }
            if (bStart)
                break;
            continue;
        }
        if (!bStart) {
            if (!bFlat)
                Put(file, "<LI>\n");
            ++nCounter;
        }
        WriteItemPart(file, pNode, nCounter, bContents, nLevel + nOpen, bFlat);
        if (walk.GetCategory()) {
            ++nOpen;
            if (!bFlat)
                Put(file, "<UL>\n");
        } else if (!bStart && !bFlat) {
            Put(file, "</LI>\n");
        }
    }
}

void QivExportHtml(C_QivItem* pItem, LPCSTR lpszPath)
{
    CStdioFile file(lpszPath, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
    Put(file, "<HTML>\n");
    Put(file, "<HEAD>\n");
    Put(file, "<TITLE>");
    Put(file, ConvertTextToHtml(pItem->m_strTitle));
    Put(file, "</TITLE>\n");
    Put(file, "</HEAD>\n");
    Put(file, "<BODY>\n");
    Put(file, "<!-- ------------------------- -->\n");
    Put(file, "<!-- Qivnotes HTML Export      -->\n");
    Put(file, "<!-- ------------------------- -->\n");
    int nCounter;
    if (QivAsCategory(pItem)) {
        nCounter = 1;
        QivWriteHtml(file, pItem, nCounter, TRUE, 1, FALSE);
    }
    nCounter = 1;
    QivWriteHtml(file, pItem, nCounter, FALSE, 1, FALSE);
    Put(file, "\n</BODY>\n");
    Put(file, "</HTML>\n");
    file.Close();
}
