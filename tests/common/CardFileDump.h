// The card-file dump: one line per node in pre-order, the form both the dump
// tool and the independent Python reader print, so a tree held in memory can
// be compared with what either reads from a file.
#pragma once

#include <string>

class C_QivItem;

// Lines of pFirst, its siblings and everything below them: depth, class,
// colour (8 hex digits), expanded flag ("." for non-categories), title in hex
// ("-" when empty), attachment paths in hex, text length and FNV-1a hash of
// the text (". ." for non-entries). Each line ends with "\n".
std::string QivDumpLines(C_QivItem* pFirst);
