#include "framework/ui/RichEditPageRecord.h"

#include <cstddef>
#include <cstring>
#include <map>
#include <vector>

namespace {

// Where the text of a rewritten record starts: right after its fixed part.
const DWORD kTextOffset = sizeof(EMREXTTEXTOUTW);

DWORD AlignToDword(DWORD n)
{
    return (n + 3) & ~DWORD(3);
}

// The record as the recording left it: a text record that says its
// advances come in pairs but has room for fewer than a pair per character.
bool LostAdvancePairs(const EMREXTTEXTOUTW& record)
{
    const EMRTEXT& text = record.emrtext;
    if (!(text.fOptions & ETO_PDY) || text.offDx == 0)
        return false;
    return static_cast<ULONGLONG>(text.offDx) + 8ull * text.nChars > record.emr.nSize;
}

bool TextFits(const EMREXTTEXTOUTW& record)
{
    const EMRTEXT& text = record.emrtext;
    return text.offString >= kTextOffset
           && static_cast<ULONGLONG>(text.offString) + 2ull * text.nChars <= record.emr.nSize;
}

// The fonts a metafile creates and which of them is selected, as its
// records are walked from the start.
class CFontTrack
{
public:
    void Note(const ENHMETARECORD& record)
    {
        switch (record.iType)
        {
        case EMR_EXTCREATEFONTINDIRECTW:
            if (record.nSize >= offsetof(EMREXTCREATEFONTINDIRECTW, elfw) + sizeof(LOGFONTW))
            {
                const auto& font = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW&>(record);
                m_fonts[font.ihFont] = font.elfw.elfLogFont;
            }
            break;
        case EMR_SELECTOBJECT:
            if (record.nSize >= sizeof(EMRSELECTOBJECT))
            {
                DWORD ih = reinterpret_cast<const EMRSELECTOBJECT&>(record).ihObject;
                if (m_fonts.count(ih) != 0 || IsStockFont(ih))
                    m_current = ih;
            }
            break;
        case EMR_SAVEDC:
            m_saved.push_back(m_current);
            break;
        case EMR_RESTOREDC:
            if (record.nSize >= sizeof(EMRRESTOREDC))
            {
                LONG nRelative = reinterpret_cast<const EMRRESTOREDC&>(record).iRelative;
                for (; nRelative < 0 && !m_saved.empty(); ++nRelative)
                {
                    m_current = m_saved.back();
                    m_saved.pop_back();
                }
            }
            break;
        default:
            break;
        }
    }

    // The selected font, made for measuring (the caller deletes it); null
    // for a stock font, which the measuring DC has already.
    HFONT CreateCurrent() const
    {
        auto it = m_fonts.find(m_current);
        return it != m_fonts.end() ? ::CreateFontIndirectW(&it->second) : nullptr;
    }
    HGDIOBJ StockCurrent() const
    {
        return IsStockFont(m_current) ? ::GetStockObject(static_cast<int>(m_current & 0x7FFFFFFF))
                                      : ::GetStockObject(SYSTEM_FONT);
    }

private:
    static bool IsStockFont(DWORD ih)
    {
        return (ih & 0x80000000) != 0
               && ::GetObjectType(::GetStockObject(static_cast<int>(ih & 0x7FFFFFFF))) == OBJ_FONT;
    }

    std::map<DWORD, LOGFONTW> m_fonts;
    DWORD m_current = 0x80000000 | SYSTEM_FONT;
    std::vector<DWORD> m_saved;
};

// The x advance of each character (or glyph) of the record, from the
// running widths of the text in the selected font.
std::vector<INT> MeasureAdvances(HDC hdc, const CFontTrack& fonts, const EMREXTTEXTOUTW& record)
{
    const EMRTEXT& text = record.emrtext;
    int n = static_cast<int>(text.nChars);
    std::vector<INT> ends(static_cast<size_t>(n), 0);
    HFONT hFont = fonts.CreateCurrent();
    HGDIOBJ hOld = ::SelectObject(hdc, hFont != nullptr ? static_cast<HGDIOBJ>(hFont) : fonts.StockCurrent());
    SIZE size = {};
    const auto* pText = reinterpret_cast<const WCHAR*>(reinterpret_cast<const BYTE*>(&record) + text.offString);
    if (text.fOptions & ETO_GLYPH_INDEX)
    {
        std::vector<WORD> glyphs(pText, pText + n);
        ::GetTextExtentExPointI(hdc, glyphs.data(), n, 0, nullptr, ends.data(), &size);
    }
    else
    {
        ::GetTextExtentExPointW(hdc, pText, n, 0, nullptr, ends.data(), &size);
    }
    ::SelectObject(hdc, hOld);
    if (hFont != nullptr)
        ::DeleteObject(hFont);
    // Differences of running widths: rounding does not add up along a run.
    std::vector<INT> advances(static_cast<size_t>(n), 0);
    for (int i = 0; i < n; ++i)
        advances[static_cast<size_t>(i)] = ends[static_cast<size_t>(i)] - (i > 0 ? ends[static_cast<size_t>(i) - 1] : 0);
    return advances;
}

// The record written again with one x advance per character.
void AppendMended(std::vector<BYTE>& out, const EMREXTTEXTOUTW& record, const std::vector<INT>& advances)
{
    DWORD nChars = record.emrtext.nChars;
    DWORD offDx = AlignToDword(kTextOffset + 2 * nChars);
    DWORD nSize = offDx + 4 * nChars;
    size_t nAt = out.size();
    out.resize(nAt + nSize, 0);
    EMREXTTEXTOUTW mended = record;
    mended.emr.nSize = nSize;
    mended.emrtext.fOptions &= ~static_cast<DWORD>(ETO_PDY);
    mended.emrtext.offString = kTextOffset;
    mended.emrtext.offDx = offDx;
    memcpy(out.data() + nAt, &mended, sizeof(mended));
    memcpy(out.data() + nAt + kTextOffset,
           reinterpret_cast<const BYTE*>(&record) + record.emrtext.offString, 2 * nChars);
    memcpy(out.data() + nAt + offDx, advances.data(), 4 * nChars);
}

} // namespace

CRichEditPageRecord::~CRichEditPageRecord()
{
    if (m_hMeta != nullptr)
        ::DeleteEnhMetaFile(m_hMeta);
}

BOOL CRichEditPageRecord::MetafilesKeepAdvancePairs()
{
    static const BOOL s_bKeep = [] {
        HDC hdc = ::CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
        if (hdc == nullptr)
            return TRUE;
        const INT pairs[] = { 7, 0, 7, 0 };
        ::ExtTextOutW(hdc, 0, 0, ETO_PDY, nullptr, L"ab", 2, pairs);
        HENHMETAFILE hMeta = ::CloseEnhMetaFile(hdc);
        UINT nBytes = ::GetEnhMetaFileBits(hMeta, 0, nullptr);
        std::vector<BYTE> bits(nBytes);
        ::GetEnhMetaFileBits(hMeta, nBytes, bits.data());
        ::DeleteEnhMetaFile(hMeta);
        BOOL bKeep = TRUE;
        for (size_t nAt = 0; nAt + sizeof(EMR) <= bits.size();)
        {
            const auto& record = *reinterpret_cast<const EMR*>(bits.data() + nAt);
            if (record.nSize < sizeof(EMR) || nAt + record.nSize > bits.size())
                break;
            if (record.iType == EMR_EXTTEXTOUTW && record.nSize >= sizeof(EMREXTTEXTOUTW)
                && LostAdvancePairs(reinterpret_cast<const EMREXTTEXTOUTW&>(record)))
                bKeep = FALSE;
            nAt += record.nSize;
        }
        return bKeep;
    }();
    return s_bKeep;
}

HENHMETAFILE CRichEditPageRecord::MendAdvances(HENHMETAFILE hMeta, HDC hdcMeasure)
{
    UINT nBytes = ::GetEnhMetaFileBits(hMeta, 0, nullptr);
    if (nBytes < sizeof(ENHMETAHEADER))
        return nullptr;
    std::vector<BYTE> bits(nBytes);
    if (::GetEnhMetaFileBits(hMeta, nBytes, bits.data()) != nBytes)
        return nullptr;

    std::vector<BYTE> out;
    out.reserve(bits.size() * 2);
    CFontTrack fonts;
    for (size_t nAt = 0; nAt + sizeof(EMR) <= bits.size();)
    {
        const auto& record = *reinterpret_cast<const ENHMETARECORD*>(bits.data() + nAt);
        if (record.nSize < sizeof(EMR) || record.nSize % 4 != 0 || nAt + record.nSize > bits.size())
            break;
        fonts.Note(record);
        const auto& text = reinterpret_cast<const EMREXTTEXTOUTW&>(record);
        if (record.iType == EMR_EXTTEXTOUTW && record.nSize >= sizeof(EMREXTTEXTOUTW)
            && LostAdvancePairs(text) && TextFits(text))
            AppendMended(out, text, MeasureAdvances(hdcMeasure, fonts, text));
        else
            out.insert(out.end(), bits.begin() + static_cast<std::ptrdiff_t>(nAt),
                       bits.begin() + static_cast<std::ptrdiff_t>(nAt + record.nSize));
        nAt += record.nSize;
    }
    if (out.size() < sizeof(ENHMETAHEADER))
        return nullptr;
    reinterpret_cast<ENHMETAHEADER*>(out.data())->nBytes = static_cast<DWORD>(out.size());
    return ::SetEnhMetaFileBits(static_cast<UINT>(out.size()), out.data());
}

BOOL CRichEditPageRecord::Record(HWND hWnd, int cx, int cy)
{
    if (m_hMeta != nullptr)
    {
        ::DeleteEnhMetaFile(m_hMeta);
        m_hMeta = nullptr;
    }
    HDC hScreen = ::GetDC(nullptr);
    // The frame in hundredths of a millimetre as the screen measures its
    // pixels, so the band plays back pixel for pixel.
    RECT rcFrame = { 0, 0, ::MulDiv(cx, 100 * ::GetDeviceCaps(hScreen, HORZSIZE), ::GetDeviceCaps(hScreen, HORZRES)),
                     ::MulDiv(cy, 100 * ::GetDeviceCaps(hScreen, VERTSIZE), ::GetDeviceCaps(hScreen, VERTRES)) };
    HDC hdcMeta = ::CreateEnhMetaFileW(hScreen, nullptr, &rcFrame, nullptr);
    ::ReleaseDC(nullptr, hScreen);
    if (hdcMeta == nullptr)
        return FALSE;
    ::SendMessageW(hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hdcMeta), PRF_CLIENT);
    HENHMETAFILE hMeta = ::CloseEnhMetaFile(hdcMeta);
    if (hMeta == nullptr)
        return FALSE;
    if (MetafilesKeepAdvancePairs())
    {
        m_hMeta = hMeta;
    }
    else
    {
        // Measured as the control measured when it laid the text out.
        HDC hdcMeasure = ::CreateCompatibleDC(nullptr);
        m_hMeta = MendAdvances(hMeta, hdcMeasure);
        ::DeleteDC(hdcMeasure);
        ::DeleteEnhMetaFile(hMeta);
    }
    m_cx = cx;
    m_cy = cy;
    return m_hMeta != nullptr;
}

BOOL CRichEditPageRecord::Play(HDC hDC) const
{
    if (m_hMeta == nullptr)
        return FALSE;
    RECT rc = { 0, 0, m_cx, m_cy };
    return ::PlayEnhMetaFile(hDC, m_hMeta, &rc);
}
