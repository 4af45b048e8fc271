#include "framework/ui/RichEditObjectKeeper.h"

#include "framework/ui/RichEditCtrl.h"

#include <algorithm>
#include <initializer_list>

namespace {

// The mark put before each stand-in picture: a character no note holds.
const char kMark = '\x01';
const char kMarkRtf[] = "\\'01";

// A group of the RTF text: its first and one-past-last byte.
struct Group
{
    size_t nStart;
    size_t nEnd;
};

bool IsLetter(char ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}

// Skips a control word or symbol at rtf[i] (a backslash); binary data
// after \binN is skipped with it.
size_t SkipControl(const std::string& rtf, size_t i)
{
    size_t j = i + 1;
    if (j >= rtf.size())
        return j;
    if (!IsLetter(rtf[j]))
    {
        // \'hh carries two more characters.
        if (rtf[j] == '\'' && j + 2 < rtf.size())
            return j + 3;
        return j + 1;
    }
    size_t nWordStart = j;
    while (j < rtf.size() && IsLetter(rtf[j]))
        ++j;
    std::string word = rtf.substr(nWordStart, j - nWordStart);
    bool bNegative = j < rtf.size() && rtf[j] == '-';
    if (bNegative)
        ++j;
    long nParam = 0;
    bool bHasParam = false;
    while (j < rtf.size() && rtf[j] >= '0' && rtf[j] <= '9')
    {
        nParam = nParam * 10 + (rtf[j] - '0');
        bHasParam = true;
        ++j;
    }
    if (j < rtf.size() && rtf[j] == ' ')
        ++j;
    if (word == "bin" && bHasParam && !bNegative)
        j += static_cast<size_t>(nParam);
    return j;
}

// The end of the group that opens at rtf[nStart] ('{'); npos when it never
// closes.
size_t GroupEnd(const std::string& rtf, size_t nStart)
{
    int nDepth = 0;
    for (size_t i = nStart; i < rtf.size();)
    {
        char ch = rtf[i];
        if (ch == '\\')
        {
            i = SkipControl(rtf, i);
            continue;
        }
        if (ch == '{')
            ++nDepth;
        else if (ch == '}' && --nDepth == 0)
            return i + 1;
        ++i;
    }
    return std::string::npos;
}

// Whether the group at rtf[i] ('{') opens with the given control words.
bool GroupStartsWith(const std::string& rtf, size_t i, const char* pszWords)
{
    size_t nLen = strlen(pszWords);
    if (rtf.compare(i + 1, nLen, pszWords) != 0)
        return false;
    size_t j = i + 1 + nLen;
    return j >= rtf.size() || !IsLetter(rtf[j]);
}

// The outermost groups in [nFrom, nTo) that open with any of the given
// control words, in order; groups inside a found one are not looked at.
std::vector<Group> FindGroups(const std::string& rtf, std::initializer_list<const char*> openings,
                              size_t nFrom = 0, size_t nTo = std::string::npos)
{
    std::vector<Group> groups;
    if (nTo > rtf.size())
        nTo = rtf.size();
    auto opensGroup = [&](size_t i) {
        return std::any_of(openings.begin(), openings.end(),
                           [&](const char* pszWords) { return GroupStartsWith(rtf, i, pszWords); });
    };
    for (size_t i = nFrom; i < nTo;)
    {
        char ch = rtf[i];
        if (ch == '\\')
        {
            i = SkipControl(rtf, i);
            continue;
        }
        if (ch == '{' && opensGroup(i))
        {
            size_t nEnd = GroupEnd(rtf, i);
            if (nEnd == std::string::npos || nEnd > nTo)
                break;
            groups.push_back({ i, nEnd });
            i = nEnd;
            continue;
        }
        ++i;
    }
    return groups;
}

std::string HexOf(const BYTE* pData, size_t nSize)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(nSize * 2 + nSize / 32);
    for (size_t i = 0; i < nSize; ++i)
    {
        hex += kDigits[pData[i] >> 4];
        hex += kDigits[pData[i] & 0x0F];
    }
    return hex;
}

// A grey framed square standing for an object that brings no picture.
std::string PlaceholderPicture()
{
    RECT rcFrame = { 0, 0, 1000, 1000 };   // 1 cm
    HDC hdc = ::CreateEnhMetaFileA(nullptr, nullptr, &rcFrame, nullptr);
    if (hdc == nullptr)
        return std::string();
    int nSize = ::MulDiv(1000, ::GetDeviceCaps(hdc, LOGPIXELSX), 2540);
    HBRUSH hBrush = ::CreateSolidBrush(RGB(192, 192, 192));
    RECT rc = { 0, 0, nSize, nSize };
    ::FillRect(hdc, &rc, hBrush);
    ::FrameRect(hdc, &rc, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    ::DeleteObject(hBrush);
    HENHMETAFILE hMeta = ::CloseEnhMetaFile(hdc);
    UINT nBytes = ::GetEnhMetaFileBits(hMeta, 0, nullptr);
    std::vector<BYTE> bits(nBytes);
    ::GetEnhMetaFileBits(hMeta, nBytes, bits.data());
    ::DeleteEnhMetaFile(hMeta);
    return "{\\pict\\emfblip\\picw1000\\pich1000\\picwgoal567\\pichgoal567 "
           + HexOf(bits.data(), bits.size()) + "}";
}

// The picture the object shows: the first picture of its result, else
// the placeholder.
std::string StandInPicture(const std::string& group)
{
    std::vector<Group> results = FindGroups(group, {"\\result"}, 1);
    if (!results.empty())
    {
        std::vector<Group> pictures = FindGroups(group, {"\\pict"}, results[0].nStart + 1,
                                                 results[0].nEnd);
        if (!pictures.empty())
            return group.substr(pictures[0].nStart, pictures[0].nEnd - pictures[0].nStart);
    }
    return PlaceholderPicture();
}

// The control's embedded objects with their character positions, in
// text order.
struct ControlObject
{
    LONG cp;
    LPOLEOBJECT pObject;   // with a reference the caller releases
};

std::vector<ControlObject> ControlObjects(CRichEditCtrl& ctrl)
{
    std::vector<ControlObject> objects;
    IRichEditOle* pOle = ctrl.GetIRichEditOle();
    if (pOle == nullptr)
        return objects;
    LONG nCount = pOle->GetObjectCount();
    for (LONG i = 0; i < nCount; ++i)
    {
        REOBJECT reo = {};
        reo.cbStruct = sizeof(reo);
        if (SUCCEEDED(pOle->GetObject(i, &reo, REO_GETOBJ_POLEOBJ)))
            objects.push_back({ reo.cp, reo.poleobj });
    }
    pOle->Release();
    return objects;
}

void ReleaseObjects(std::vector<ControlObject>& objects)
{
    for (ControlObject& object : objects)
    {
        if (object.pObject != nullptr)
            object.pObject->Release();
    }
    objects.clear();
}

DWORD CALLBACK ProbeStreamIn(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
{
    auto* pText = reinterpret_cast<std::string*>(dwCookie);
    LONG nCopy = static_cast<LONG>(std::min<size_t>(static_cast<size_t>(cb), pText->size()));
    memcpy(pbBuff, pText->data(), static_cast<size_t>(nCopy));
    pText->erase(0, static_cast<size_t>(nCopy));
    *pcb = nCopy;
    return 0;
}

DWORD CALLBACK ProbeStreamOut(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
{
    reinterpret_cast<std::string*>(dwCookie)->append(reinterpret_cast<char*>(pbBuff),
                                                     static_cast<size_t>(cb));
    *pcb = cb;
    return 0;
}

// Streams an object group with OLE1 data through a hidden control and
// looks whether the data comes back.
BOOL ProbeControlDropsObjects()
{
    LPCSTR lpszClass = CRichEditCtrl::GetWindowClassName();
    if (lpszClass == nullptr)
        return FALSE;
    HWND hWnd = ::CreateWindowExA(0, lpszClass, "", WS_POPUP | ES_MULTILINE, 0, 0, 100, 100,
                                  nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    if (hWnd == nullptr)
        return FALSE;
    // An OLE1 embedded object of a made-up class carrying four bytes.
    std::string rtf =
        "{\\rtf1\\ansi{\\object\\objemb{\\*\\objclass QivProbe}\\objw100\\objh100"
        "{\\*\\objdata 01050000020000000900000051697650726f626500000000000000000004000000"
        "51495630}{\\result " + PlaceholderPicture() + "}}\\par}";
    EDITSTREAM es = { reinterpret_cast<DWORD_PTR>(&rtf), 0, ProbeStreamIn };
    ::SendMessageA(hWnd, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&es));
    std::string out;
    EDITSTREAM esOut = { reinterpret_cast<DWORD_PTR>(&out), 0, ProbeStreamOut };
    ::SendMessageA(hWnd, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&esOut));
    ::DestroyWindow(hWnd);
    return out.find("\\objdata") == std::string::npos;
}

} // namespace

CRichEditObjectKeeper::~CRichEditObjectKeeper()
{
    Clear();
}

BOOL CRichEditObjectKeeper::ControlDropsObjects()
{
    static const BOOL s_bDrops = ProbeControlDropsObjects();
    return s_bDrops;
}

BOOL CRichEditObjectKeeper::IsEmpty() const
{
    return m_objects.empty();
}

void CRichEditObjectKeeper::Clear()
{
    for (KeptObject& kept : m_objects)
    {
        if (kept.pObject != nullptr)
            kept.pObject->Release();
    }
    m_objects.clear();
}

std::string CRichEditObjectKeeper::PrepareLoad(const std::string& rtf)
{
    Clear();
    if (rtf.find("\\object") == std::string::npos)
        return rtf;
    std::vector<Group> groups = FindGroups(rtf, {"\\object"});
    if (groups.empty())
        return rtf;

    std::string result;
    size_t nPos = 0;
    for (const Group& group : groups)
    {
        result.append(rtf, nPos, group.nStart - nPos);
        KeptObject kept;
        kept.group = rtf.substr(group.nStart, group.nEnd - group.nStart);
        result += kMarkRtf;
        result += StandInPicture(kept.group);
        m_objects.push_back(std::move(kept));
        nPos = group.nEnd;
    }
    result.append(rtf, nPos, std::string::npos);
    return result;
}

void CRichEditObjectKeeper::FinishLoad(CRichEditCtrl& ctrl)
{
    if (m_objects.empty())
        return;
    std::vector<ControlObject> objects = ControlObjects(ctrl);

    // Each mark stands right before the picture of its group.
    std::vector<LONG> marks;
    FINDTEXTEXA ft = {};
    const char szMark[2] = { kMark, '\0' };
    ft.lpstrText = szMark;
    ft.chrg.cpMin = 0;
    ft.chrg.cpMax = -1;
    while (marks.size() < m_objects.size() && ctrl.FindText(FR_DOWN | FR_MATCHCASE, &ft) >= 0)
    {
        marks.push_back(ft.chrgText.cpMin);
        ft.chrg.cpMin = ft.chrgText.cpMax;
    }
    for (size_t k = 0; k < marks.size(); ++k)
    {
        for (ControlObject& object : objects)
        {
            if (object.cp == marks[k] + 1 && object.pObject != nullptr)
            {
                m_objects[k].pObject = object.pObject;
                object.pObject = nullptr;   // the keeper's reference now
                break;
            }
        }
    }
    ReleaseObjects(objects);

    // The marks go; the text is as the file had it.
    BOOL bModified = ctrl.GetModify();
    ctrl.SetRedraw(FALSE);
    for (size_t k = marks.size(); k-- > 0;)
    {
        ctrl.SetSel(marks[k], marks[k] + 1);
        ctrl.ReplaceSel("", FALSE);
    }
    ctrl.SetSel(0, 0);
    ctrl.EmptyUndoBuffer();
    ctrl.SetModify(bModified);
    ctrl.SetRedraw(TRUE);
    ctrl.Invalidate();

    // Groups whose picture the control did not take are lost anyway.
    m_objects.erase(std::remove_if(m_objects.begin(), m_objects.end(),
                                   [](const KeptObject& kept) { return kept.pObject == nullptr; }),
                    m_objects.end());
}

std::string CRichEditObjectKeeper::RestoreObjects(CRichEditCtrl& ctrl, const std::string& rtf) const
{
    if (m_objects.empty())
        return rtf;
    std::vector<ControlObject> objects = ControlObjects(ctrl);
    // The pictures the control wrote, one per object: "{\*\shppict{\pict..}}"
    // or a bare "{\pict ..}".
    std::vector<Group> pictures = FindGroups(rtf, {"\\*\\shppict", "\\pict"});
    std::string result = rtf;
    // One written picture per object, in the same order; anything else is
    // a layout this keeper does not know, and the text stays as written.
    if (pictures.size() == objects.size())
    {
        for (size_t i = objects.size(); i-- > 0;)
        {
            for (const KeptObject& kept : m_objects)
            {
                if (kept.pObject == objects[i].pObject)
                {
                    result.replace(pictures[i].nStart, pictures[i].nEnd - pictures[i].nStart,
                                   kept.group);
                    break;
                }
            }
        }
    }
    ReleaseObjects(objects);
    return result;
}
