// Room for the nodes and texts of a tree being read from a card file.
//
// A card file of a million short notes would otherwise be two million heap
// blocks, each with its own header and its own trip through the heap's lock
// and free lists, taken and given back one by one. The pool cuts the room
// from chunks instead, one after another, and gives a chunk back once the
// last node or text in it is freed.
//
// A pooled node belongs to its tree like any other: it may be moved,
// unlinked and deleted long after the pool that made it is gone. So a chunk
// counts what still lives in it, and deleting finds the chunk of an address
// through one process-wide list of chunks; what lies in no chunk came from
// the heap and goes back there.
//
// Once a tree outgrows the first chunks, helper threads prepare the next
// ones while the reader fills the current one; they stop with the pool.
#pragma once

#include "framework/core/AfxWin.h"

#include <stddef.h>

#include <memory>

struct QivPoolChunk;
class CChunkMaker;

class CQivItemPool
{
public:
    CQivItemPool();
    // Lets go of the chunk being filled; the chunks live on while anything
    // in them does.
    ~CQivItemPool();
    CQivItemPool(const CQivItemPool&) = delete;
    CQivItemPool& operator=(const CQivItemPool&) = delete;

    // nBytes at a multiple of nAlign (a power of two, at most 16); null
    // when there is no memory for a new chunk. A request too large to share
    // a chunk gets one of its own.
    void* Allocate(size_t nBytes, size_t nAlign);

private:
    void* AllocateAlone(size_t nBytes);
    BOOL StartChunk();

    QivPoolChunk* m_pChunk;
    BYTE* m_pFree;
    BYTE* m_pEnd;
    size_t m_nNextChunkBytes;
    std::unique_ptr<CChunkMaker> m_pMaker;
};

// Gives back a block that CQivItemPool::Allocate answered from a chunk;
// FALSE (and nothing done) when p lies in no chunk, so the caller frees it
// the way it was allocated.
BOOL QivPoolRelease(const void* p);

// A text block for an entry: from the pool when there is one, else from the
// heap. Null when out of memory.
BYTE* QivAllocateText(size_t nLength, CQivItemPool* pPool);
// Frees a text block of either origin; null is ignored.
void QivFreeText(BYTE* pText);
