// Every import and export of the menus, run in the real program through its
// own file dialogs and message boxes; what they wrote read back from the
// exported files and from the saved card file.
#include "QivnotesFixture.h"
#include "QivnotesProcess.h"

#include "app/res/resource.h"
#include "framework/ui/AfxRes.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace {

using e2e::CQivnotesProcess;

std::string FileText(const CString& strPath)
{
    std::ifstream file(strPath.GetString(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFile(const CString& strPath, const std::string& bytes)
{
    std::ofstream(strPath.GetString(), std::ios::binary) << bytes;
}

class QivnotesExchange : public e2e::QivnotesTest
{
protected:
    // Runs a command that asks for a file, answers with strPath and then
    // presses OK on each of the nMessages message boxes that follow,
    // collecting their texts.
    void RunWithFile(UINT nID, const CString& strPath, int nMessages = 0)
    {
        ASSERT_TRUE(m_program.ChooseFileFor(nID, strPath)) << nID;
        for (int i = 0; i < nMessages; ++i) {
            HWND hBox = m_program.WaitForDialog();
            ASSERT_NE(nullptr, hBox) << nID;
            m_messages += m_program.DialogText(hBox);
            ASSERT_TRUE(m_program.PressButton(hBox, IDOK)) << nID;
        }
        ASSERT_TRUE(m_program.WaitUntilIdle()) << nID;
    }

    CQivnotesProcess m_program;
    std::string m_messages;
};

TEST_F(QivnotesExchange, EveryImportAndExportReachesItsFilesAndTheCardFile)
{
    const CString strFile = WriteSample("exchange");
    const CString strFolder = e2e::ScratchFolder("exchange");
    for (LPCSTR name : { "Suppe.txt", "Suppe.htm", "Küche.htm", "Küche.qiv" })
        ::DeleteFileA(strFolder + "\\" + name);
    WriteFile(strFolder + "\\Zettel.txt", "Eine Zeile");
    WriteFile(strFolder + "\\Liste.csv", "Titel;Text\r\nEins;erste\r\nZwei;zweite\r\n");
    // One Vault record: a title, its level and a text.
    WriteFile(strFolder + "\\Alt.vlt", std::string("\x01\x00\x00\x00\x01x\x01\x00###t\x00#####", 18));

    ASSERT_TRUE(m_program.Start("\"" + strFile + "\" \"Küche\\Suppe"));
    ASSERT_EQ("Suppe", m_program.WaitForSelectedTreeText("Suppe"));

    // Exports of the selected entry, of its category and of the note.
    RunWithFile(ID_EXPORT_TEXT, strFolder + "\\Suppe.txt");
    EXPECT_NE(std::string::npos, FileText(strFolder + "\\Suppe.txt").find("Linsen, Möhren"));
    RunWithFile(ID_EXPORT_HTML, strFolder + "\\Suppe.htm");
    EXPECT_NE(std::string::npos, FileText(strFolder + "\\Suppe.htm").find("Linsen, M"));
    RunWithFile(ID_EXPORT_DHTML, strFolder + "\\Küche.htm");
    EXPECT_NE(std::string::npos, FileText(strFolder + "\\Küche.htm").find("Brot"));
    RunWithFile(ID_EXPORT_CARDFILE, strFolder + "\\Küche.qiv");
    EXPECT_EQ("Küche{Brot,Suppe}", SavedOutline(strFolder + "\\Küche.qiv"));

    // Imports into the selected entry's category, each new item at its front:
    // the CSV file's lines one after the other, so the last stands first.
    RunWithFile(ID_IMPORT_TEXT, strFolder + "\\Zettel.txt");
    RunWithFile(ID_IMPORT_CSV, strFolder + "\\Liste.csv", 1);
    RunWithFile(ID_IMPORT_CARDFILE, strFolder + "\\Küche.qiv");
    // The imported category is selected now and takes the Vault outline,
    // after the question and with the closing message.
    RunWithFile(ID_IMPORT_VAULT, strFolder + "\\Alt.vlt", 2);
    EXPECT_EQ("Es wurden 2 Einträge importiert.\n"
              "Damit der Import richtig funktioniert, müssen Sie zuerst in vault alle Kategorien "
              "\"aufklappen\" und speichern.\n"
              "Es wurde 1 Eintrag importiert.\n",
              m_messages);

    ASSERT_TRUE(m_program.SendCommand(m_program.MainWindow(), ID_FILE_SAVE));
    EXPECT_EQ(0, m_program.Close());
    EXPECT_EQ("Notizen{Küche{Küche{Alt.vlt{x},Brot,Suppe},Zwei,Eins,Zettel,Brot,Suppe}}", SavedOutline(strFile));
}

} // namespace
