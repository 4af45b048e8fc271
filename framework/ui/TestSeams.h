// Test seams: process-wide stand-ins that tests install for user interface
// that waits for a person (message boxes; the dialog code adds modal
// dialogs and common dialogs the same way). The framework asks the seam of
// a kind first; with none installed the real window appears. Normal runs
// never install one.
//
//     CTestSeamScope<AFX_MESSAGEBOX_REQUEST> answer(
//         [&](const AFX_MESSAGEBOX_REQUEST& box) { shown.push_back(box.strText); return IDYES; });
//
// A seam of another kind declares its request record and uses the same
// template: CTestSeam<AFX_MYDIALOG_REQUEST>.
#pragma once

#include "framework/core/String.h"

#include <functional>
#include <utility>

template <class REQUEST>
class CTestSeam
{
public:
    // The handler sees what would be shown and returns the answer the user
    // would have given (IDOK, IDYES ...).
    using Handler = std::function<int(const REQUEST&)>;

    static void Install(Handler handler) { Slot() = std::move(handler); }
    static void Remove() { Slot() = nullptr; }
    static Handler Get() { return Slot(); }
    static bool IsInstalled() { return static_cast<bool>(Slot()); }

    // TRUE with the handler's answer in *pnResult when a seam is installed.
    static BOOL Answer(const REQUEST& request, int* pnResult)
    {
        if (!Slot())
            return FALSE;
        *pnResult = Slot()(request);
        return TRUE;
    }

private:
    static Handler& Slot()
    {
        static Handler s_handler;
        return s_handler;
    }
};

// Installs a handler for its own lifetime and puts the previous one back.
template <class REQUEST>
class CTestSeamScope
{
public:
    explicit CTestSeamScope(typename CTestSeam<REQUEST>::Handler handler)
        : m_previous(CTestSeam<REQUEST>::Get())
    {
        CTestSeam<REQUEST>::Install(std::move(handler));
    }
    ~CTestSeamScope() { CTestSeam<REQUEST>::Install(std::move(m_previous)); }

    CTestSeamScope(const CTestSeamScope&) = delete;
    CTestSeamScope& operator=(const CTestSeamScope&) = delete;

private:
    typename CTestSeam<REQUEST>::Handler m_previous;
};

// A message box about to be shown: owner, text, caption and style as the
// system would get them.
struct AFX_MESSAGEBOX_REQUEST
{
    HWND hWndOwner;
    CString strText;
    CString strCaption;
    UINT nType;
    UINT nIDHelp;
};
using CMessageBoxSeam = CTestSeam<AFX_MESSAGEBOX_REQUEST>;
