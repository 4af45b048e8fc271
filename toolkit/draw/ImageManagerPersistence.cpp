// The image manager's stored form, through a property exchange: an
// enumeration "IconSet" with one section per command ("Id", the check text
// "CheckSum", and an enumeration "Icon" with one section per given width:
// "Width" and "Data", the icon's archive form).
//
// Stored counts are not trusted: loading stops at the first section that is
// not there, so a count far beyond the stored sections costs nothing.
#include "toolkit/draw/ImageManager.h"

#include "framework/core/Archive.h"
#include "framework/core/Exceptions.h"
#include "toolkit/commandbars/PropExchangeArchive.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace {

const char szCheckSum[] = "CXTPImageManagerIcons";

// A section of the exchange, released when it goes out of scope.
class SectionRef
{
public:
    explicit SectionRef(CXTPPropExchange* pSection) : m_pSection(pSection) {}
    ~SectionRef() { m_pSection->InternalRelease(); }
    SectionRef(const SectionRef&) = delete;
    SectionRef& operator=(const SectionRef&) = delete;
    CXTPPropExchange* operator->() const { return m_pSection; }
    CXTPPropExchange* Get() const { return m_pSection; }

private:
    CXTPPropExchange* m_pSection;
};

using EnumeratorPtr = std::unique_ptr<CXTPPropExchangeEnumerator>;

} // namespace

void CXTPImageManager::Serialize(CArchive& ar)
{
    CXTPPropExchangeArchive px(ar);
    DoPropExchange(&px);
}

void CXTPImageManager::DoPropExchange(CXTPPropExchange* pPX)
{
    EnumeratorPtr pEnumerator(pPX->GetEnumerator("IconSet"));
    if (pPX->IsLoading())
    {
        RemoveAll();
        POSITION pos = pEnumerator->GetPosition(0);
        while (pos)
        {
            SectionRef section(pEnumerator->GetNext(pos));
            int nCommand = 0;
            if (!ExchangeIntPropertyNoDefault(section.Get(), "Id", nCommand))
                break;
            ExchangeIconSet(section.Get(), static_cast<UINT>(nCommand));
        }
        return;
    }

    // Sets and icons are stored in ascending order, so what is loaded and
    // stored again comes out the same.
    std::vector<UINT> commands;
    POSITION posSet = m_mapImages.GetStartPosition();
    while (posSet)
    {
        UINT nCommand = 0;
        CXTPImageManagerIconSet* pIconSet = nullptr;
        m_mapImages.GetNextAssoc(posSet, nCommand, pIconSet);
        commands.push_back(nCommand);
    }
    std::sort(commands.begin(), commands.end());
    POSITION pos = pEnumerator->GetPosition(static_cast<DWORD>(commands.size()));
    for (UINT nCommand : commands)
    {
        if (!pos)
            break;
        SectionRef section(pEnumerator->GetNext(pos));
        int nId = static_cast<int>(nCommand);
        ExchangeIntPropertyNoDefault(section.Get(), "Id", nId);
        ExchangeIconSet(section.Get(), nCommand);
    }
}

void CXTPImageManager::ExchangeIconSet(CXTPPropExchange* pPX, UINT nCommand)
{
    if (nCommand > m_nCustomID)
        m_nCustomID = nCommand;

    CString strCheckSum(szCheckSum);
    ExchangeStringProperty(pPX, "CheckSum", strCheckSum, "");
    if (pPX->IsLoading() && strCheckSum != szCheckSum)
        AfxThrowArchiveException(CArchiveException::badClass);

    CXTPImageManagerIconSet* pIconSet = GetIconSet(nCommand);
    EnumeratorPtr pEnumerator(pPX->GetEnumerator("Icon"));
    if (pPX->IsLoading())
    {
        if (pIconSet)
        {
            pIconSet->RemoveAll();
        }
        else
        {
            pIconSet = new CXTPImageManagerIconSet(nCommand, this);
            m_mapImages.SetAt(nCommand, pIconSet);
        }
        POSITION pos = pEnumerator->GetPosition(0);
        while (pos)
        {
            SectionRef section(pEnumerator->GetNext(pos));
            // Every stored icon has its width: a section without one is not
            // there, and the stored count said too much.
            int nWidth = 16;
            if (!ExchangeIntPropertyNoDefault(section.Get(), "Width", nWidth))
                break;
            // An unusable width is refused, but its data is still read (into
            // an icon that is thrown away), so an archive stays in step.
            BOOL bUsable = nWidth > 1 && nWidth <= 1024;
            CXTPImageManagerIcon* pIcon = bUsable
                                              ? pIconSet->CreateIcon(static_cast<UINT>(nWidth))
                                              : new CXTPImageManagerIcon(nCommand, 16, 0);
            BOOL bLoaded = ExchangeObjectProperty(section.Get(), "Data", pIcon);
            if (!bUsable)
                pIcon->InternalRelease();
            else if (!bLoaded || pIcon->GetNormalImage().IsEmpty())
                pIconSet->RemoveIcon(static_cast<UINT>(nWidth));
            if (!bLoaded && !pPX->CanOmitValues())
            {
                // A positional back end (an archive) is out of step after
                // data it could not read: the whole load is refused.
                AfxThrowArchiveException(CArchiveException::endOfFile);
            }
        }
        return;
    }

    // Only given icons are stored, never scaled copies.
    std::vector<std::pair<UINT, CXTPImageManagerIcon*>> icons;
    if (pIconSet)
    {
        POSITION posIcon = pIconSet->GetIcons().GetStartPosition();
        while (posIcon)
        {
            UINT nWidth = 0;
            CXTPImageManagerIcon* pIcon = nullptr;
            pIconSet->GetIcons().GetNextAssoc(posIcon, nWidth, pIcon);
            if (!pIcon->IsScaled())
                icons.emplace_back(nWidth, pIcon);
        }
    }
    std::sort(icons.begin(), icons.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    POSITION pos = pEnumerator->GetPosition(static_cast<DWORD>(icons.size()));
    for (const auto& icon : icons)
    {
        if (!pos)
            break;
        SectionRef section(pEnumerator->GetNext(pos));
        int nWidth = static_cast<int>(icon.first);
        ExchangeIntPropertyNoDefault(section.Get(), "Width", nWidth);
        ExchangeObjectProperty(section.Get(), "Data", icon.second);
    }
}
