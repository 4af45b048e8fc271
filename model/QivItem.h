// The card file's tree: categories and entries under one root category.
//
// A category owns its child chain; the next link between siblings is not an
// owner. The shell and the imports read and relink the fields directly and
// change the tree otherwise only through InsertChild, DeleteChild and
// DeleteAllChildren.
//
// A category may hold a million entries and the tree may nest thousands of
// levels deep, so no operation here recurses per sibling or per level: every
// walk keeps its own stack on the heap.
#pragma once

#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/core/StringList.h"

#include <commctrl.h>

#include <new>

class CArchive;
class C_QivCategory;

// The prefix a caller passes when it asks the root for paths; it never
// appears in a path.
extern const char QIV_ROOT_IDENTIFIER[];

class C_QivItem : public CObject
{
    DECLARE_SERIAL(C_QivItem)
public:
    C_QivItem();
    // Without a colour an item takes the window colour of the moment.
    explicit C_QivItem(LPCSTR lpszTitle);
    C_QivItem(LPCSTR lpszTitle, COLORREF crBackground);
    ~C_QivItem() override;

    // The item record: title, next sibling, colour, attachments. Reading
    // follows the archive's format version; writing is always current.
    void Serialize(CArchive& ar) override;

    // Index into the shell's tree image list: 4 (6 with attachments) for an
    // entry or plain item; the selected image is one more.
    virtual int GetImageIndex();

    // Inserts this node, its subtree and its following siblings (with
    // theirs) into the tree-view control hTree under hParent after
    // hInsertAfter (TVI_FIRST, TVI_LAST or an item).
    virtual void InsertIntoTree(HWND hTree, HTREEITEM hParent, HTREEITEM hInsertAfter);

    // Adds one line per node of this node, its following siblings and all
    // their descendants to the combo box (CB_ADDSTRING), pre-order.
    virtual void AddPathsToComboBox(HWND hCombo, const CString& strPrefix);

    // The path of pTarget when it is this node, a following sibling or a
    // descendant of one of them; else an empty string.
    virtual CString GetPath(const C_QivItem* pTarget, const CString& strPrefix);

    // The node bound to hItem among this node, its following siblings and
    // all their descendants; null when none is (and for a null handle).
    virtual C_QivItem* FindItem(HTREEITEM hItem);

    // Selects this node in the shell's tree and tests its title (and, for
    // an entry, the note in the editor) for the text.
    virtual BOOL MatchesSearch(LPCSTR lpszText, BOOL bMatchCase, BOOL bWholeWord);

    // Walks this node, its subtree and its following siblings, asking the
    // user on each hit whether to go on. FALSE when the user stopped.
    virtual BOOL SearchNext(LPCSTR lpszText, BOOL bMatchCase, BOOL bWholeWord);

    // Nodes read from a card file lie in an item pool (model/ItemPool.h);
    // deleting one gives its room back there, any other goes to the heap.
    static void* operator new(size_t nBytes);
    static void* operator new(size_t nBytes, const std::nothrow_t&) noexcept;
    static void operator delete(void* p) noexcept;
    static void operator delete(void* p, const std::nothrow_t&) noexcept;

    HTREEITEM m_hTreeItem;
    CString m_strTitle;
    C_QivItem* m_pNext;
    COLORREF m_crBackground;
    CStringList m_lstAttachments;
};

class C_QivCategory : public C_QivItem
{
    DECLARE_SERIAL(C_QivCategory)
public:
    C_QivCategory();
    explicit C_QivCategory(LPCSTR lpszTitle);
    C_QivCategory(LPCSTR lpszTitle, COLORREF crBackground);
    // Deletes the whole child chain and every node below it.
    ~C_QivCategory() override;

    void Serialize(CArchive& ar) override;
    // The number of children capped at 3.
    int GetImageIndex() override;
    void InsertIntoTree(HWND hTree, HTREEITEM hParent, HTREEITEM hInsertAfter) override;
    void AddPathsToComboBox(HWND hCombo, const CString& strPrefix) override;
    CString GetPath(const C_QivItem* pTarget, const CString& strPrefix) override;
    C_QivItem* FindItem(HTREEITEM hItem) override;
    BOOL SearchNext(LPCSTR lpszText, BOOL bMatchCase, BOOL bWholeWord) override;

    // The category whose child chain holds pItem, searched below this one;
    // null for this category itself and for nodes not below it.
    virtual C_QivCategory* FindParentCategory(const C_QivItem* pItem);

    // Links pItem into the chain: as the only child when there is none,
    // else at the front when pAfter is null, else right behind pAfter.
    void InsertChild(C_QivItem* pItem, C_QivItem* pAfter);
    // Unlinks a direct child and deletes it with its subtree; FALSE when
    // pItem is null or not a direct child.
    BOOL DeleteChild(C_QivItem* pItem);
    void DeleteAllChildren();
    // TRUE when a node below this category is bound to hItem.
    BOOL ContainsItem(HTREEITEM hItem);

    C_QivItem* m_pFirstChild;
    DWORD m_dwExpanded;
};

class C_QivEntry : public C_QivItem
{
    DECLARE_SERIAL(C_QivEntry)
public:
    C_QivEntry();
    explicit C_QivEntry(LPCSTR lpszTitle);
    C_QivEntry(LPCSTR lpszTitle, COLORREF crBackground);
    ~C_QivEntry() override;

    void Serialize(CArchive& ar) override;
    BOOL MatchesSearch(LPCSTR lpszText, BOOL bMatchCase, BOOL bWholeWord) override;

    // Replaces the text with a copy of nLength bytes (no block for 0).
    void SetText(const void* pBytes, DWORD nLength);

    // Rich text beginning with "{\rtf", or plain text (imports keep a
    // terminating NUL inside the block and count it). The block is freed
    // with QivFreeText: it may lie in an item pool.
    BYTE* m_pText;
    DWORD m_nTextLength;
};
