// The stored form of the customised controls: the archive bytes of all bars'
// controls, packed as "ZIP!", the unpacked length (unsigned 32-bit,
// little-endian) and a zlib stream, kept in the value "Controls" of a
// profile section, or, above 16000 bytes, in a hidden side file in the
// user's application-data folder that "Controls" names ("LoadFromFile" 1).
//
// What the profile or a side file holds is untrusted: a packed blob counts
// only when its stream is whole and unpacks to exactly the length its header
// gives, and nothing over 64 MB is read. A side file is written under a
// temporary name and put in place before the profile names it, so that a
// failed write leaves the file and the profile as they were.
#pragma once

#include "framework/core/String.h"

#include <vector>

// Blobs up to this size stay in the profile.
const size_t XTP_CONTROLS_PROFILE_LIMIT = 16000;
// Neither the unpacked data nor a side file may be larger.
const size_t XTP_CONTROLS_MAX_BYTES = 64 * 1024 * 1024;

// The stored form of archive bytes: packed with a header, or, when shorter
// than 20 bytes or not smaller when packed, the bytes as they are.
std::vector<BYTE> CompressControlsBlob(const BYTE* pData, size_t nBytes);
// The archive bytes of a stored blob. A blob of at least 12 bytes that starts
// with "ZIP!" is packed; anything else is plain archive bytes. FALSE for a
// packed blob that is damaged or too large.
BOOL DecompressControlsBlob(const BYTE* pBlob, size_t nBytes, std::vector<BYTE>& data);

// Where the side file of a profile section's base name lives: the preset
// path when there is one, else "<application data>\<application>\<name>",
// the folder made when missing, with "\" in the name turned into "_"; without
// that folder "<program path>-<name>".
CString GetControlsSideFilePath(LPCSTR lpszBaseSection, LPCSTR lpszPresetPath = nullptr);

// The whole side file, when it is a regular file of at most
// XTP_CONTROLS_MAX_BYTES.
BOOL ReadControlsSideFile(LPCSTR lpszPath, std::vector<BYTE>& data);

// Stores a blob in the section ("<base>-Controls"): in "Controls" up to
// XTP_CONTROLS_PROFILE_LIMIT bytes (a side file left from before is
// removed), else in the side file. FALSE, with profile and side file
// untouched, when the side file cannot be written.
BOOL WriteControlsBlob(LPCSTR lpszSection, const std::vector<BYTE>& blob, LPCSTR lpszSideFile);
// The blob the section holds, from the profile or the side file it names.
// FALSE when there is none, the value has the wrong type, or the side file
// cannot be read or is too large.
BOOL ReadControlsBlob(LPCSTR lpszSection, std::vector<BYTE>& blob);
