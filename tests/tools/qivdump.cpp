// qivdump: looks into card files from the command line.
//
//   qivdump dump FILE...          prints each file's tree, one line per node
//   qivdump resave IN OUT [...]   reads IN and saves it as a current card file
//
// Dump lines as common/CardFileDump.h describes them. Each file starts with
// "file NAME" and ends with "end" or "error CAUSE" for a file that could not
// be read.
#include "common/CardFileDump.h"
#include "framework/core/Archive.h"
#include "framework/core/Exceptions.h"
#include "model/CardFile.h"
#include "model/CardFileStore.h"
#include "model/QivItem.h"

#include <stdio.h>
#include <string.h>
#include <string>

namespace {

std::string Describe(CException* e)
{
    if (e->IsKindOf(RUNTIME_CLASS(CArchiveException)))
        return "archive " + std::to_string(static_cast<CArchiveException*>(e)->m_cause);
    if (e->IsKindOf(RUNTIME_CLASS(CFileException)))
        return "file " + std::to_string(static_cast<CFileException*>(e)->m_cause);
    if (e->IsKindOf(RUNTIME_CLASS(CMemoryException))) {
        char text[256] = {};
        e->GetErrorMessage(text, sizeof(text));
        return std::string("memory ") + text;
    }
    return std::string("other ") + e->GetRuntimeClass()->m_lpszClassName;
}

int Dump(int argc, char** argv)
{
    for (int i = 2; i < argc; ++i) {
        printf("file %s\n", argv[i]);
        CQivCardFileStore store;
        try {
            if (!store.Open(argv[i])) {
                printf("error open\n");
                continue;
            }
            const std::string lines = QivDumpLines(store.GetRoot());
            fwrite(lines.data(), 1, lines.size(), stdout);
            printf("end\n");
        } catch (CException* e) {
            printf("error %s\n", Describe(e).c_str());
            e->Delete();
        }
    }
    return 0;
}

int Resave(int argc, char** argv)
{
    int nFailed = 0;
    for (int i = 2; i + 1 < argc; i += 2) {
        CQivCardFileStore store;
        try {
            if (!store.Open(argv[i])) {
                printf("error open %s\n", argv[i]);
                ++nFailed;
                continue;
            }
            store.Save(argv[i + 1], FALSE);
            printf("saved %s\n", argv[i + 1]);
        } catch (CException* e) {
            printf("error %s %s\n", Describe(e).c_str(), argv[i]);
            e->Delete();
            ++nFailed;
        }
    }
    return nFailed ? 1 : 0;
}

// Refuses every message box (the viewer-only message) on the console.
int ConsoleMessageBox(LPCSTR lpszText, UINT, UINT)
{
    fprintf(stderr, "message: %s\n", lpszText);
    return IDOK;
}

} // namespace

int main(int argc, char** argv)
{
    AfxSetCoreMessageBoxHook(ConsoleMessageBox);
    if (argc >= 2 && strcmp(argv[1], "dump") == 0)
        return Dump(argc, argv);
    if (argc >= 4 && strcmp(argv[1], "resave") == 0 && argc % 2 == 0)
        return Resave(argc, argv);
    fprintf(stderr, "usage: qivdump dump FILE... | qivdump resave IN OUT [IN OUT...]\n");
    return 2;
}
