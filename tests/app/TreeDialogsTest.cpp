// The sort and go-to dialogs on their real templates.
#include "CardTreeFixture.h"

#include "app/GoToDialog.h"
#include "app/SortDialog.h"
#include "app/res/resource.h"
#include "framework/ui/DialogSeams.h"
#include "model/QivDoc.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace apptest;

TEST(SortDialog, DirectionAndSubcategories)
{
    struct { int checkButton; UINT subcategories; BOOL ascending; BOOL included; } const cases[] = {
        { 0, BST_UNCHECKED, TRUE, FALSE },     // as it opens
        { IDC_SORT_DESCENDING, BST_CHECKED, FALSE, TRUE },
        { IDC_SORT_ASCENDING, BST_CHECKED, TRUE, TRUE },
    };
    for (const auto& c : cases) {
        C_SortierenDlg dialog;
        UINT nShownAscending = 0;
        CTestSeamScope<AFX_MODALDIALOG_REQUEST> answer([&](const AFX_MODALDIALOG_REQUEST& request) {
            nShownAscending = request.pDialog->IsDlgButtonChecked(IDC_SORT_ASCENDING);
            if (c.checkButton)
                request.pDialog->CheckRadioButton(IDC_SORT_ASCENDING, IDC_SORT_DESCENDING, c.checkButton);
            request.pDialog->CheckDlgButton(IDC_SORT_SUBCATEGORIES, c.subcategories);
            return IDOK;
        });
        ASSERT_EQ(IDOK, dialog.DoModal());
        EXPECT_EQ(UINT(BST_CHECKED), nShownAscending);
        EXPECT_EQ(c.ascending, dialog.IsAscending());
        EXPECT_EQ(c.included, dialog.IncludesSubcategories());
    }
}

TEST(SortDialog, ContextHelpIds)
{
    C_SortierenDlg dialog;
    struct { UINT control; DWORD id; } const cases[] = {
        { IDOK, 0x80960001 }, { IDCANCEL, 0x80960002 }, { IDC_SORT_ASCENDING, 0x80980424 },
        { IDC_SORT_DESCENDING, 0x80980425 }, { IDC_SORT_SUBCATEGORIES, 0x80980426 }, { 0xE146, 0x8096E146 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.id, dialog.GetHelpContext(c.control)) << c.control;
}

TEST(GoToDialog, ListsEveryPathAndAnswersTheTypedOne)
{
    CSoundRecorder sounds({ "ZoomIn", "ZoomOut" });
    CQivDoc doc;
    C_QivCategory* pRoot = new C_QivCategory("Notizen");
    C_QivCategory* pProjects = AddCategory(pRoot, "Projekte");
    AddEntry(pProjects, "Notiz");
    AddCategory(AddCategory(pProjects, "Unter"), "Leer");
    AddEntry(pRoot, "Privat");
    doc.ReplaceRoot(pRoot);

    C_GeheZuDlg dialog(&doc);
    std::vector<std::string> listed;
    CTestSeamScope<AFX_MODALDIALOG_REQUEST> answer([&](const AFX_MODALDIALOG_REQUEST& request) {
        HWND hCombo = ::GetDlgItem(request.pDialog->m_hWnd, IDC_GOTO_PATH);
        int nCount = static_cast<int>(::SendMessageA(hCombo, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < nCount; ++i) {
            char sz[256] = {};
            ::SendMessageA(hCombo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(sz));
            listed.push_back(sz);
        }
        ::SendMessageA(hCombo, CB_SHOWDROPDOWN, TRUE, 0);
        ::SendMessageA(hCombo, CB_SHOWDROPDOWN, FALSE, 0);
        request.pDialog->SetDlgItemText(IDC_GOTO_PATH, "projekte\\notiz");
        return IDOK;
    });
    ASSERT_EQ(IDOK, dialog.DoModal());
    // The combo box keeps its list sorted or in insertion order as its
    // template says; either way every path is there once.
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ((std::vector<std::string>{ "Privat", "Projekte\\", "Projekte\\Notiz", "Projekte\\Unter\\",
                                         "Projekte\\Unter\\Leer\\" }), listed);
    EXPECT_STREQ("projekte\\notiz", dialog.m_strPath.GetString());
    EXPECT_EQ((std::vector<std::string>{ "ZoomIn", "ZoomOut" }), sounds.m_events);

    C_GeheZuDlg cancelled(&doc);
    CTestSeamScope<AFX_MODALDIALOG_REQUEST> cancel([&](const AFX_MODALDIALOG_REQUEST& request) {
        request.pDialog->SetDlgItemText(IDC_GOTO_PATH, "Privat");
        return IDCANCEL;
    });
    EXPECT_EQ(IDCANCEL, cancelled.DoModal());
    EXPECT_TRUE(cancelled.m_strPath.IsEmpty());
}
