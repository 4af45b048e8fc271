#include "model/ItemPool.h"

#include "framework/core/Exceptions.h"
#include "model/QivItem.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

// The head of a chunk; the room handed out follows it.
struct QivPoolChunk
{
    BYTE* pEnd;
    // Blocks handed out and not freed yet, plus one while a pool fills it.
    size_t nHolds;
};

namespace {

// Chunks grow from the first size to the last, so a small card file takes
// little room and a large one few chunks.
const size_t kFirstChunkBytes = 64 * 1024;
const size_t kLastChunkBytes = 1024 * 1024;
// A request larger than this gets a chunk of its own instead of leaving the
// rest of the current one unused.
const size_t kAloneAbove = 64 * 1024;
const size_t kHeadBytes = (sizeof(QivPoolChunk) + 15) & ~static_cast<size_t>(15);

// Every live chunk, by address.
class CChunkList
{
public:
    BOOL Add(QivPoolChunk* pChunk)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        try {
            m_chunks.insert(std::upper_bound(m_chunks.begin(), m_chunks.end(), pChunk), pChunk);
        } catch (const std::bad_alloc&) {
            return FALSE;
        }
        return TRUE;
    }

    // Drops one hold on the chunk p lies in; FALSE when it lies in none.
    BOOL Release(const void* p)
    {
        QivPoolChunk* pEmpty = nullptr;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            auto it = std::upper_bound(m_chunks.begin(), m_chunks.end(), p,
                                       [](const void* q, const QivPoolChunk* c) { return q < c; });
            if (it == m_chunks.begin())
                return FALSE;
            QivPoolChunk* pChunk = *--it;
            if (static_cast<const BYTE*>(p) >= pChunk->pEnd)
                return FALSE;
            if (--pChunk->nHolds == 0) {
                m_chunks.erase(it);
                pEmpty = pChunk;
            }
        }
        delete[] reinterpret_cast<BYTE*>(pEmpty);
        return TRUE;
    }

private:
    std::mutex m_mutex;
    std::vector<QivPoolChunk*> m_chunks;
};

CChunkList& Chunks()
{
    static CChunkList s_chunks;
    return s_chunks;
}

} // namespace

// Makes the room of full-size chunks ahead of the pool on threads of its
// own and touches every page of it. The first write to a fresh page costs
// the system more than reading the nodes that fill it, so a large tree
// spends most of its load on it; pages are touched in parallel, though,
// and the reader then finds its chunks ready.
class CChunkMaker
{
public:
    explicit CChunkMaker(int nThreads)
    {
        try {
            for (int i = 0; i < nThreads; ++i)
                m_threads.emplace_back([this] { Run(); });
        } catch (const std::system_error&) {
            // Fewer helpers, or none: the pool makes its own chunks.
        }
    }

    ~CChunkMaker()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_bStop = true;
        }
        m_changed.notify_all();
        for (std::thread& thread : m_threads)
            thread.join();
        for (BYTE* pBytes : m_ready)
            delete[] pBytes;
    }

    CChunkMaker(const CChunkMaker&) = delete;
    CChunkMaker& operator=(const CChunkMaker&) = delete;

    // A chunk of kLastChunkBytes with its pages touched; null when none is
    // ready yet.
    BYTE* Take()
    {
        BYTE* pBytes = nullptr;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_ready.empty())
                return nullptr;
            pBytes = m_ready.front();
            m_ready.pop_front();
        }
        m_changed.notify_one();
        return pBytes;
    }

private:
    void Run()
    {
        // A failed allocation throws inside the runtime even where it
        // answers null, and the helpers are the first to meet the end of
        // the heap.
        AfxInitThreadExceptions();
        SYSTEM_INFO info;
        ::GetSystemInfo(&info);
        const size_t nPage = info.dwPageSize ? info.dwPageSize : 4096;
        std::unique_lock<std::mutex> lock(m_mutex);
        for (;;) {
            m_changed.wait(lock, [this] { return m_bStop || m_ready.size() + m_nMaking < kReadyAhead; });
            if (m_bStop)
                return;
            ++m_nMaking;
            lock.unlock();
            BYTE* pBytes = new (std::nothrow) BYTE[kLastChunkBytes];
            if (pBytes) {
                for (size_t i = 0; i < kLastChunkBytes; i += nPage)
                    static_cast<volatile BYTE*>(pBytes)[i] = 0;
            }
            lock.lock();
            --m_nMaking;
            if (!pBytes)
                return;   // out of memory: the pool finds out for itself
            m_ready.push_back(pBytes);
        }
    }

    // Enough to keep the reader going while the helpers make the next ones.
    static const size_t kReadyAhead = 8;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<BYTE*> m_ready;
    size_t m_nMaking = 0;
    bool m_bStop = false;
    std::vector<std::thread> m_threads;
};

namespace {

// How many helpers make chunks: all processors but the reader's, at most
// three, which keep up with it.
int ChunkMakerThreads()
{
    SYSTEM_INFO info;
    ::GetSystemInfo(&info);
    return std::min(3, static_cast<int>(info.dwNumberOfProcessors) - 1);
}

// Enters nBytes at pBytes (null: allocates them) as a chunk with nHolds
// holds; null when out of memory.
QivPoolChunk* NewChunk(BYTE* pBytes, size_t nBytes, size_t nHolds)
{
    if (!pBytes)
        pBytes = new (std::nothrow) BYTE[nBytes];
    if (!pBytes)
        return nullptr;
    QivPoolChunk* pChunk = reinterpret_cast<QivPoolChunk*>(pBytes);
    pChunk->pEnd = pBytes + nBytes;
    pChunk->nHolds = nHolds;
    if (!Chunks().Add(pChunk)) {
        delete[] pBytes;
        return nullptr;
    }
    return pChunk;
}

} // namespace

CQivItemPool::CQivItemPool()
    : m_pChunk(nullptr), m_pFree(nullptr), m_pEnd(nullptr), m_nNextChunkBytes(kFirstChunkBytes)
{
}

CQivItemPool::~CQivItemPool()
{
    m_pMaker.reset();
    if (m_pChunk)
        QivPoolRelease(m_pChunk->pEnd - 1);
}

void* CQivItemPool::Allocate(size_t nBytes, size_t nAlign)
{
    ASSERT(nAlign > 0 && nAlign <= 16 && (nAlign & (nAlign - 1)) == 0);
    if (nBytes > kAloneAbove)
        return AllocateAlone(nBytes);
    BYTE* p = reinterpret_cast<BYTE*>((reinterpret_cast<UINT_PTR>(m_pFree) + nAlign - 1) & ~(nAlign - 1));
    if (!m_pChunk || p + nBytes > m_pEnd) {
        if (!StartChunk())
            return nullptr;
        p = m_pFree;
    }
    m_pFree = p + nBytes;
    ++m_pChunk->nHolds;
    return p;
}

void* CQivItemPool::AllocateAlone(size_t nBytes)
{
    if (nBytes > static_cast<size_t>(-1) - kHeadBytes)
        return nullptr;
    QivPoolChunk* pChunk = NewChunk(nullptr, kHeadBytes + nBytes, 1);
    return pChunk ? reinterpret_cast<BYTE*>(pChunk) + kHeadBytes : nullptr;
}

BOOL CQivItemPool::StartChunk()
{
    BYTE* pReady = nullptr;
    if (m_nNextChunkBytes == kLastChunkBytes) {
        // From the first full-size chunk on, the tree is large: helpers
        // prepare the following ones.
        const int nHelpers = m_pMaker ? 0 : ChunkMakerThreads();
        if (nHelpers > 0)
            m_pMaker.reset(new (std::nothrow) CChunkMaker(nHelpers));
        if (m_pMaker)
            pReady = m_pMaker->Take();
    }
    QivPoolChunk* pChunk = NewChunk(pReady, m_nNextChunkBytes, 1);
    if (!pChunk)
        return FALSE;
    if (m_pChunk)
        QivPoolRelease(m_pChunk->pEnd - 1);
    m_pChunk = pChunk;
    m_pFree = reinterpret_cast<BYTE*>(pChunk) + kHeadBytes;
    m_pEnd = pChunk->pEnd;
    m_nNextChunkBytes = std::min(m_nNextChunkBytes * 2, kLastChunkBytes);
    return TRUE;
}

BOOL QivPoolRelease(const void* p)
{
    return p && Chunks().Release(p);
}

BYTE* QivAllocateText(size_t nLength, CQivItemPool* pPool)
{
    if (pPool)
        return static_cast<BYTE*>(pPool->Allocate(nLength, 1));
    return new (std::nothrow) BYTE[nLength];
}

void QivFreeText(BYTE* pText)
{
    if (pText && !QivPoolRelease(pText))
        delete[] pText;
}

// Defined here rather than beside the node's other members, where a
// compiler seeing both halves would take the pool's delete for a mismatch.
void* C_QivItem::operator new(size_t nBytes)
{
    return ::operator new(nBytes);
}

void* C_QivItem::operator new(size_t nBytes, const std::nothrow_t& tag) noexcept
{
    return ::operator new(nBytes, tag);
}

void C_QivItem::operator delete(void* p) noexcept
{
    if (!QivPoolRelease(p))
        ::operator delete(p);
}

void C_QivItem::operator delete(void* p, const std::nothrow_t&) noexcept
{
    C_QivItem::operator delete(p);
}
