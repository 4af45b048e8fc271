// The readers the fuzz runner drives, one mode each. A mode makes its seed
// inputs with the program's own writers, names the tags of its format, and
// runs the real reader on an input. The framework's exceptions (and a FALSE
// or null answer) are clean refusals; a mode reports a broken invariant of
// an input the reader accepted in strBroken.
#pragma once

#include "FuzzMutator.h"

#include "framework/core/String.h"

class CArchive;

#include <functional>
#include <string>
#include <vector>

namespace qivfuzz {

struct FuzzResult
{
    bool bAccepted = false;
    std::string strBroken;   // empty unless an invariant failed
};

struct FuzzMode
{
    const char* pszName;
    std::vector<Bytes> (*pfnSeeds)();
    std::vector<std::string> (*pfnDictionary)();
    FuzzResult (*pfnRun)(const Bytes& input);
    size_t nMaxSize;   // inputs are cut to this many bytes
};

void AddModelModes(std::vector<FuzzMode>& modes);
void AddToolkitModes(std::vector<FuzzMode>& modes);

// A file of this process in the temporary folder, written with the bytes.
CString WriteScratchFile(LPCSTR lpszName, const Bytes& bytes);
Bytes ReadWholeFile(LPCSTR lpszPath);
// The bytes an archive stores; an archive loading from bytes.
Bytes StoreArchive(const std::function<void(CArchive&)>& store);
void LoadArchive(const Bytes& bytes, const std::function<void(CArchive&)>& load);

} // namespace qivfuzz
