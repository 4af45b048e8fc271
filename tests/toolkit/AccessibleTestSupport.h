// What the accessibility tests share: whether oleacc was taken away for the
// run, child-id VARIANTs and BSTR answers read back as wide strings.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string>

// TRUE where the run takes oleacc away (QIV_EXPECT_OLEACC=missing): no
// client reaches an object through a window then.
bool OleaccMissing();
// A VT_I4 VARIANT of the child id.
VARIANT ChildVariant(long nChild);
// The string of an answer ("(null)" for none), freeing it.
std::wstring TakeBstr(BSTR bstr);
