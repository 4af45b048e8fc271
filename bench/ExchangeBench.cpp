// The exports' text work at scale: 100 MB of rich text (notes with font,
// colour and style tables, formatted paragraphs, umlauts as hex escapes and
// pictures as hex) converted to plain text and to HTML, beside a plain scan
// of the same bytes; and a card file of 100,000 entries exported to HTML and
// to DynamicHTML.
#include "bench/BenchCommon.h"

#include "framework/core/Exceptions.h"
#include "model/QivItem.h"
#include "model/exchange/DynamicHtmlExport.h"
#include "model/exchange/ExchangePath.h"
#include "model/exchange/HtmlExport.h"
#include "model/exchange/HtmlText.h"
#include "model/exchange/RtfReader.h"

#include <stdio.h>
#include <stdlib.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const char kHeader[] =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1031"
    "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fprq2\\fcharset0 Times New Roman;}"
    "{\\f2\\fmodern\\fprq1\\fcharset0 Courier New;}{\\f3\\fnil\\fcharset2 Symbol;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red0\\green0\\blue255;}\r\n"
    "{\\stylesheet{\\s0\\f0\\fs20 Normal;}{\\s1\\b\\f0\\fs28 heading 1;}}\r\n"
    "{\\*\\generator Riched20 5.50.99.2014;}{\\info{\\title Notiz}{\\author Qivnotes}}"
    "\\viewkind4\\uc1\\pard\\f0\\fs20 ";

// German words at about their usual mix: one word in eight has an umlaut
// or sharp s (hex escapes), one in forty is set bold, italic or coloured.
const char* const kWords[] = {
    "der", "die", "und", "in", "den", "von", "zu", "das", "mit", "sich",
    "des", "auf", "f\\'fcr", "ist", "im", "dem", "nicht", "ein", "eine", "als",
    "auch", "es", "an", "werden", "aus", "er", "hat", "dass", "sie", "nach",
    "wird", "bei", "einer", "um", "am", "sind", "noch", "wie", "einem", "\\'fcber",
    "Termin", "Montag", "Angebot", "Planung", "Woche", "B\\'fcro", "Stra\\'dfe",
    "M\\'fcller", "n\\'e4chste", "Gespr\\'e4ch", "Kunde", "Projekt", "Bericht",
    "Rechnung", "Besprechung", "Unterlagen", "bitte", "siehe", "Seite", "Telefon",
    "www.qiv.de", "Gr\\'f6\\'dfe", "Ergebnis", "Vorschlag",
};
const char* const kFormatted[] = {"\\b wichtig\\b0", "\\i Entwurf\\i0", "\\cf1 offen\\cf0"};
const size_t nWords = sizeof(kWords) / sizeof(kWords[0]);

unsigned Next(unsigned& seed)
{
    seed = seed * 1103515245u + 12345u;
    return seed >> 16;
}

// One note of about nBytes: tables, paragraphs of a few lines, and a
// picture as hex taking four tenths of the note.
std::string MakeNote(size_t nBytes, unsigned& seed)
{
    std::string note = kHeader;
    size_t nText = nBytes * 6 / 10;
    int nWord = 0;
    while (note.size() < nText) {
        if (Next(seed) % 40 == 0)
            note += kFormatted[Next(seed) % 3];
        else
            note += kWords[Next(seed) % nWords];
        ++nWord;
        if (nWord % 12 == 0)
            note += Next(seed) % 3 == 0 ? ".\\par\r\n\\par\r\n" : ".\\par\r\n";
        else
            note += Next(seed) % 9 == 0 ? ", " : " ";
    }
    note += "\\par\r\n{\\pict\\wmetafile8\\picw2000\\pich1500\\picwgoal1134\\pichgoal850\r\n";
    static const char hex[] = "0123456789abcdef";
    while (note.size() < nBytes) {
        for (int i = 0; i < 128; ++i)
            note += hex[Next(seed) & 15];
        note += "\r\n";
    }
    note += "}\\par\r\n}\r\n";
    return note;
}

// The baseline: every byte looked at once.
size_t ScanBytes(const std::vector<std::string>& notes)
{
    size_t n = 0;
    for (const std::string& note : notes) {
        const unsigned char* p = reinterpret_cast<const unsigned char*>(note.data());
        const unsigned char* end = p + note.size();
        for (; p < end; ++p)
            n += *p == '\\';
    }
    return n;
}

CString DataFolder()
{
    CString next = QivGetProgramFolder() + "..\\app\\";
    if (::GetFileAttributesA(next + QIV_DHTML_TEMPLATE) != INVALID_FILE_ATTRIBUTES)
        return next;
    const char* source = getenv("QIV_SOURCE_DIR");
    CString path = CString(source ? source : ".") + "/app/res/dhtml/";
    path.Replace('/', '\\');
    if (path[0] == '\\')
        path = "Z:" + path;
    return path;
}

// Large notes cost more than their bytes: their text is fresh memory each
// time, so the same 100 MB run as notes of 1 MB and of 64 KB.
void BenchTextConversion(size_t nNote)
{
    std::vector<std::string> notes;
    unsigned seed = 42;
    size_t nTotal = 0;
    while (nTotal < 100u * 1000 * 1000) {
        notes.push_back(MakeNote(nNote, seed));
        nTotal += notes.back().size();
    }
    std::vector<CString> rtf;
    for (const std::string& note : notes)
        rtf.emplace_back(note.data(), static_cast<int>(note.size()));
    double mb = nTotal / 1e6;

    double t0 = bench::Now();
    size_t nFound = ScanBytes(notes);
    double scan = mb / (bench::Now() - t0);

    t0 = bench::Now();
    size_t nPlain = 0;
    for (const CString& note : rtf) {
        CString plain;
        if (!ConvertRtfToText(note, plain))
            printf("conversion failed\n");
        nPlain += plain.GetLength();
    }
    double text = mb / (bench::Now() - t0);

    t0 = bench::Now();
    size_t nHtml = 0;
    for (const CString& note : rtf)
        nHtml += ConvertTextToHtml(note).GetLength();
    double html = mb / (bench::Now() - t0);

    printf("%.1f MB of rich text in %u notes of %u KB: %u backslashes, %u bytes of text, "
           "%u bytes of HTML\n",
           mb, static_cast<unsigned>(notes.size()), static_cast<unsigned>(nNote >> 10),
           static_cast<unsigned>(nFound), static_cast<unsigned>(nPlain),
           static_cast<unsigned>(nHtml));
    bench::Report("byte scan (baseline)", scan, "MB/s", scan);
    bench::Report("rich text to plain text", text, "MB/s", scan);
    bench::Report("rich text to HTML", html, "MB/s", scan);
}

// 100 categories of 1,000 entries, each with a short rich-text note.
std::unique_ptr<C_QivCategory> MakeCardFile()
{
    std::unique_ptr<C_QivCategory> root(new C_QivCategory("Notizen"));
    unsigned seed = 7;
    std::string note;
    for (int c = 0; c < 100; ++c) {
        char title[64];
        snprintf(title, sizeof(title), "Kategorie %d \"%c\"", c, 'A' + c % 26);
        C_QivCategory* category = new C_QivCategory(title);
        for (int e = 0; e < 1000; ++e) {
            snprintf(title, sizeof(title), "Eintrag %d.%d www.qiv.de/%d", c, e, e);
            C_QivEntry* entry = new C_QivEntry(title);
            note = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 ";
            for (int w = 0; w < 40; ++w) {
                note += kWords[Next(seed) % nWords];
                note += w % 10 == 9 ? "\\par " : " ";
            }
            note += "max@qiv.de}";
            entry->SetText(note.data(), static_cast<DWORD>(note.size()));
            category->InsertChild(entry, nullptr);
        }
        root->InsertChild(category, nullptr);
    }
    return root;
}

void BenchExports()
{
    std::unique_ptr<C_QivCategory> root = MakeCardFile();
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    CString folder = CString(temp) + "qiv-exchange-bench";
    ::CreateDirectoryA(folder, nullptr);

    double t0 = bench::Now();
    QivExportHtml(root.get(), folder + "\\seite.htm");
    double html = bench::Now() - t0;

    bench::Report("HTML export, 100,000 entries", html, "s", html);
    try {
        t0 = bench::Now();
        QivExportDynamicHtml(root.get(), folder + "\\dynamisch.htm", DataFolder());
        double dhtml = bench::Now() - t0;
        bench::Report("DynamicHTML export, 100,000 entries", dhtml, "s", html);
    } catch (CException* e) {
        e->Delete();
        printf("DynamicHTML export: no template in %s (set QIV_SOURCE_DIR to the source tree)\n",
               DataFolder().GetString());
    }
    printf("peak working set: %.1f MB\n", bench::PeakMemory() / 1e6);
}

} // namespace

int main()
{
    BenchTextConversion(1 << 20);
    BenchTextConversion(1 << 16);
    BenchExports();
    return 0;
}
