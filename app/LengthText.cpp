#include "app/LengthText.h"

#include "framework/ui/DataExchange.h"
#include "framework/ui/MessageBox.h"
#include "framework/ui/Wnd.h"

#include <limits.h>
#include <math.h>
#include <stdlib.h>

#include <string>

namespace {

const int kTwipsPerCm = 570;

} // namespace

CString TwipsToLengthText(int nTwips)
{
    // Three digits of |twips| / 570 (units and two decimals), the last one
    // rounded, decide how many decimals are shown.
    long long v = nTwips < 0 ? -static_cast<long long>(nTwips) : nTwips;
    int digits[3];
    digits[0] = static_cast<int>(v / kTwipsPerCm);
    long long r = v;
    for (int i = 1; i < 3; ++i) {
        r = (r % kTwipsPerCm) * 10;
        digits[i] = static_cast<int>(r / kTwipsPerCm);
    }
    if (r % kTwipsPerCm > 28) {
        ++digits[2];
        for (int i = 2; i > 0 && digits[i] == 10; --i) {
            digits[i] = 0;
            ++digits[i - 1];
        }
    }
    int nPrecision = 2;
    while (nPrecision > 0 && digits[nPrecision] == 0)
        --nPrecision;

    CString strText;
    strText.Format("%.*f", nPrecision, static_cast<double>(nTwips) / kTwipsPerCm);
    int nPoint = strText.Find('.');
    if (nPoint >= 0)
        strText.SetAt(nPoint, ',');
    return strText + " cm";
}

LengthParse LengthTextToTwips(const CString& strText, int* pnTwips)
{
    CString strNumber = strText;
    int nComma = strNumber.Find(',');
    if (nComma >= 0)
        strNumber.SetAt(nComma, '.');
    strNumber.Trim();
    if (strNumber.IsEmpty())
        return LengthParse::empty;

    const char* pszStart = strNumber.GetString();
    char* pszEnd = nullptr;
    double x = strtod(pszStart, &pszEnd);
    if (pszEnd == pszStart)
        return LengthParse::invalid;
    CString strUnit(pszEnd);
    strUnit.Trim();
    if (!strUnit.IsEmpty() && strUnit.CompareNoCase("cm") != 0)
        return LengthParse::invalid;

    double twips = x * kTwipsPerCm;
    if (!isfinite(twips))
        return LengthParse::invalid;
    twips = twips < 0 ? -floor(-twips + 0.5) : floor(twips + 0.5);
    if (twips > INT_MAX || twips < INT_MIN)
        return LengthParse::invalid;
    *pnTwips = static_cast<int>(twips);
    return LengthParse::valid;
}

void DDX_Length(CDataExchange* pDX, int nIDC, int& nTwips)
{
    HWND hEdit = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        ::SetWindowTextA(hEdit, TwipsToLengthText(nTwips));
        return;
    }
    CString strText;
    int nLength = ::GetWindowTextLengthA(hEdit);
    if (nLength > 0) {
        std::string buffer(static_cast<size_t>(nLength) + 1, '\0');
        nLength = ::GetWindowTextA(hEdit, &buffer[0], nLength + 1);
        strText = CString(buffer.data(), nLength);
    }
    int nValue = 0;
    switch (LengthTextToTwips(strText, &nValue)) {
    case LengthParse::empty:
        return;
    case LengthParse::invalid:
        AfxMessageBox("Geben Sie bitte ein gültiges Maß ein.", MB_OK | MB_ICONINFORMATION);
        pDX->Fail();
    case LengthParse::valid:
        // What the box would show for the value: typing 1,234 keeps 1,23.
        if (LengthTextToTwips(TwipsToLengthText(nValue), &nTwips) != LengthParse::valid)
            nTwips = nValue;
        return;
    }
}
