// The date and time menu of the text view: the captured moment formatted in
// every date and time format of the user's locale (long dates, short dates,
// times; texts that repeat shown once; at most twelve), then the numeric
// "dd.mm.yyyy hh:mm". Item k has the command 32818 + k, so a position and a
// command are the same thing; the position chosen last is stored.
//
// One menu serves the whole program: it is rebuilt on every use and kept
// until the next one, so that a command can read its item's text after the
// popup has closed.
#pragma once

#include "framework/ui/Menu.h"

#include <vector>

const UINT kFirstDateTimeCommand = 32818;
const UINT kLastDateTimeCommand = 32830;

// One format picture of the locale; bTime: a time picture, else a date one.
struct QIV_DATETIME_FORMAT
{
    BOOL bTime;
    CString strPicture;
};

using PFN_QIV_DATETIME_FORMATS = std::vector<QIV_DATETIME_FORMAT> (*)(LCID lcid);

// The locale's pictures in menu order: long dates, short dates, times.
std::vector<QIV_DATETIME_FORMAT> QivLocaleDateTimeFormats(LCID lcid);
// Installs the function that lists the pictures (null: the locale's own)
// and returns the one it replaces, for the caller to put back.
PFN_QIV_DATETIME_FORMATS QivSetDateTimeFormatSource(PFN_QIV_DATETIME_FORMATS pfn);

class CQivDateTimeMenu
{
public:
    // At most this many locale items; the numeric one comes after them.
    static const int kMaxLocaleItems = 12;

    // Destroys the previous menu and builds a new one for the local time
    // and the user's default locale now.
    BOOL Build();
    void Destroy();
    BOOL IsBuilt() const { return m_menu.GetSafeHmenu() != nullptr; }
    CMenu& GetMenu() { return m_menu; }
    int GetItemCount() const;
    // The text of the item with the command; FALSE without a menu or item.
    BOOL GetCommandText(UINT nID, CString& strText) const;

private:
    CMenu m_menu;
};

// The program's one date and time menu.
CQivDateTimeMenu& QivDateTimeMenu();
