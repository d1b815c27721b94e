// MemoryStream: a byte buffer behind a COM stream on global memory, for GDI+ to read and write.
#include "graphics/memory_stream.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "graphics/flat_call.h"

namespace graphics {

MemoryStream::~MemoryStream() { Release(); }

MemoryStream::MemoryStream(MemoryStream&& other) noexcept
    : memory(std::exchange(other.memory, nullptr)),
      lockedPointer(std::exchange(other.lockedPointer, nullptr)),
      stream(std::exchange(other.stream, nullptr)),
      ownsMemory(std::exchange(other.ownsMemory, false)) {}

MemoryStream& MemoryStream::operator=(MemoryStream&& other) noexcept {
    if (&other != this) {
        Release();
        memory = std::exchange(other.memory, nullptr);
        lockedPointer = std::exchange(other.lockedPointer, nullptr);
        stream = std::exchange(other.stream, nullptr);
        ownsMemory = std::exchange(other.ownsMemory, false);
    }
    return *this;
}

IStream* MemoryStream::LoadBytes(const Bytes& bytes, std::optional<size_t> length) {
    Release();
    const size_t size = length ? *length : bytes.size();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (block == nullptr) return nullptr;
    IStream* created = nullptr;
    if (FAILED(CreateStreamOnHGlobal(block, FALSE, &created)) || created == nullptr) {
        GlobalFree(block);
        return nullptr;
    }
    memory = block;
    stream = created;
    ownsMemory = true;
    // Never read past the buffer: a longer length stays zero-filled.
    const size_t copied = std::min(size, bytes.size());
    if (copied > 0) {
        lockedPointer = GlobalLock(memory);
        if (lockedPointer != nullptr) std::memcpy(lockedPointer, bytes.data(), copied);
        GlobalUnlock(memory);
    }
    return stream;
}

void MemoryStream::Release() {
    if (stream != nullptr) {
        stream->Release();
        if (ownsMemory && memory != nullptr) GlobalFree(memory);
    }
    stream = nullptr;
    memory = nullptr;
    lockedPointer = nullptr;
    ownsMemory = false;
}

size_t MemoryStream::Size() { return memory != nullptr ? GlobalSize(memory) : 0; }

IStream* MemoryStream::GetStream() { return stream; }

HGLOBAL MemoryStream::GetMemory() { return memory; }

int MemoryStream::AttachStream(IStream* attached) {
    Release();
    HGLOBAL block = nullptr;
    if (attached == nullptr || FAILED(GetHGlobalFromStream(attached, &block)) || block == nullptr) {
        return 0;
    }
    attached->AddRef();
    stream = attached;
    memory = block;
    ownsMemory = false;
    return 1;
}

Bytes MemoryStream::ReadBytes() {
    if (memory == nullptr) return Bytes();
    size_t size = GlobalSize(memory);
    // A stream grows its block in steps; what was written ends at the stream's size.
    STATSTG status = {};
    if (stream != nullptr && SUCCEEDED(stream->Stat(&status, STATFLAG_NONAME)) &&
        status.cbSize.QuadPart < size) {
        size = static_cast<size_t>(status.cbSize.QuadPart);
    }
    if (size == 0) return Bytes();
    lockedPointer = GlobalLock(memory);
    if (lockedPointer == nullptr) return Bytes();
    const unsigned char* first = static_cast<const unsigned char*>(lockedPointer);
    Bytes bytes(first, first + size);
    GlobalUnlock(memory);
    return bytes;
}

}  // namespace graphics
