// CXTPZipMemFile: a memory file over the stored form of the customised
// controls (ControlsBlob.h). An archive writes the controls into it and
// DetachCompressed hands back the blob to store; a stored blob attached to
// it is unpacked first, so that an archive reads the plain bytes.
#pragma once

#include "framework/core/MemFile.h"

class CXTPZipMemFile : public CMemFile
{
    DECLARE_DYNAMIC(CXTPZipMemFile)
public:
    CXTPZipMemFile();
    // Attaches a stored blob as AttachCompressed does, without taking it.
    CXTPZipMemFile(BYTE* lpBuffer, UINT nBufferSize);

    // The file becomes the plain bytes of the blob: a packed blob is unpacked
    // into a block of the file's own; a plain one is used where it lies and,
    // with bTakeOwnership, freed (free) by the file. FALSE, with an empty
    // file, for a damaged or too large blob.
    BOOL AttachCompressed(BYTE* lpBuffer, DWORD nBufferSize, BOOL bTakeOwnership = FALSE);
    // Reads the whole file at the path and attaches it. FALSE when it can't
    // be read, is too large or is damaged.
    BOOL OpenCompressed(LPCSTR lpszFileName);
    // Hands the written bytes over in their stored form: a block (malloc) the
    // caller frees and its length. The file is empty afterwards.
    void DetachCompressed(BYTE*& lpBuffer, DWORD& nBufferSize);
};
