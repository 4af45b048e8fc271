// The card file on an archive: header, root graph and the rich-text tail.
//
// Header: the 8 bytes "Qivnotes", the format version word (low byte major,
// high byte minor), then from 1.40 on a viewer-only flag word. A file
// without the magic is a 1.0 card file from its first byte. Each archive
// carries the version its records follow (see CArchive::GetFormatVersion);
// an archive that never saw a header, such as a clipboard block, follows
// the current one.
#pragma once

#include "framework/core/AfxWin.h"

class CArchive;
class C_QivCategory;

extern const char QIV_CARD_FILE_MAGIC[8];
// Version 2.10, the one written.
const WORD QIV_FORMAT_VERSION = 0x0A02;

// The version of the card-file header most recently read or written in this
// process (2.10 before any). Only a mirror: reads follow their archive's.
WORD QivGetLastFormatVersion();

// Writes a whole card file: first copies unsaved text of the shell's editor
// into the selected entry, then header and root graph, then the content of
// the document's rich-text view hTextView (null: none) as rich text; plays
// "ProcessComplete".
void QivWriteCardFile(CArchive& ar, C_QivCategory* pRoot, HWND hTextView = nullptr);

// Reads a whole card file and answers its new root (with any siblings the
// file gives it), which the caller owns; streams the rest of the file into
// the document's rich-text view hTextView (null: the rest stays unread);
// plays "ProcessComplete". Failures are archive or file exceptions and
// leave nothing behind; a viewer-only file is refused with a message first.
C_QivCategory* QivReadCardFile(CArchive& ar, HWND hTextView = nullptr);

// Deletes a root together with any siblings a file gave it.
void QivDeleteRoot(C_QivCategory* pRoot);
