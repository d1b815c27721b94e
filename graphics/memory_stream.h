// MemoryStream: a byte buffer behind a COM stream on global memory, for GDI+ to read and write.
#pragma once
#include <windows.h>
#include <objidl.h>

#include <cstddef>
#include <optional>

#include "graphics/bytes.h"

namespace graphics {

// Owns one stream reference and, when it made the memory block itself, the block. Not copied
// (two owners would release twice); moving hands both over.
class MemoryStream {
public:
    MemoryStream() = default;
    // Calls Release.
    virtual ~MemoryStream();
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;
    MemoryStream(MemoryStream&& other) noexcept;
    MemoryStream& operator=(MemoryStream&& other) noexcept;

    // Releases what it held, then puts the first `length` bytes (default: all) into a new
    // movable block behind a new stream, and returns the stream (null when the block or the
    // stream cannot be made). A length beyond the buffer is zero-filled; an empty buffer
    // gives an empty stream that grows when written.
    virtual IStream* LoadBytes(const Bytes& bytes, std::optional<size_t> length = std::nullopt);
    // Releases the stream and frees the block it made; harmless when empty.
    virtual void Release();
    // GlobalSize of the block (0 when none).
    virtual size_t Size();
    virtual IStream* GetStream();
    virtual HGLOBAL GetMemory();
    // Releases what it held, then keeps a reference of its own to `stream` (AddRef) and the
    // block under it (GetHGlobalFromStream), which stays its creator's to free. Returns 1 when
    // the stream lies on global memory, else 0 and holds nothing.
    virtual int AttachStream(IStream* stream);
    // The bytes written to the stream (its size as IStream::Stat reports it, at most the
    // block's size); the whole block when there is no stream. Empty when there is no block.
    virtual Bytes ReadBytes();

    HGLOBAL memory = nullptr;         // global memory block holding the bytes
    void* lockedPointer = nullptr;    // last pointer GlobalLock gave
    IStream* stream = nullptr;        // stream over `memory`, not deleting it on release
    bool ownsMemory = false;          // the block was made by LoadBytes and is freed by Release
};

}  // namespace graphics
