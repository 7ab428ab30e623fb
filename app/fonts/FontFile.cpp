#include "app/fonts/FontFile.h"

#include <climits>
#include <cstring>

namespace {

// FreeType addresses a stream with unsigned long, 32 bits on Windows; no font comes near that.
constexpr LONGLONG kMaxFontFileSize = ULONG_MAX;
constexpr unsigned long kWindowSize = 16 * 1024;

}  // namespace

bool ReadFileAt(HANDLE file, unsigned long offset, void* buffer, unsigned long count, DWORD* read) {
    // Each read names its offset, so the handle keeps no position between reads.
    OVERLAPPED at = {};
    at.Offset = static_cast<DWORD>(offset);
    return ReadFile(file, buffer, static_cast<DWORD>(count), read, &at) != FALSE;
}

FontFileFace::FontFileFace(FT_Library library, const std::wstring& path, FileReadAt readAt, FT_Long index)
    : m_readAt(readAt) {
    if (library == nullptr || path.empty()) {
        return;
    }
    m_file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    LARGE_INTEGER size;
    if (m_file == INVALID_HANDLE_VALUE || !GetFileSizeEx(m_file, &size) || size.QuadPart <= 0 ||
        size.QuadPart > kMaxFontFileSize) {
        return;
    }
    m_stream.size = static_cast<unsigned long>(size.QuadPart);
    m_stream.descriptor.pointer = this;
    m_stream.read = &FontFileFace::Read;
    FT_Open_Args args = {};
    args.flags = FT_OPEN_STREAM;
    args.stream = &m_stream;
    if (FT_Open_Face(library, &args, index, &m_face) != 0) {
        m_face = nullptr;
    }
}

FontFileFace::~FontFileFace() {
    // The face reads from the stream until it is done; the handle goes last.
    if (m_face != nullptr) {
        FT_Done_Face(m_face);
    }
    if (m_file != INVALID_HANDLE_VALUE) {
        CloseHandle(m_file);
    }
}

unsigned long FontFileFace::Read(FT_Stream stream, unsigned long offset, unsigned char* buffer, unsigned long count) {
    // A count of 0 is a seek: 0 for success.
    if (count == 0) {
        return offset > stream->size ? 1 : 0;
    }
    return static_cast<FontFileFace*>(stream->descriptor.pointer)->ReadThroughWindow(offset, buffer, count);
}

unsigned long FontFileFace::ReadThroughWindow(unsigned long offset, unsigned char* buffer, unsigned long count) {
    DWORD read = 0;
    if (count >= kWindowSize) {
        return m_readAt(m_file, offset, buffer, count, &read) ? read : 0;
    }
    const bool inWindow = offset >= m_windowStart && offset - m_windowStart <= m_windowSize &&
                          count <= m_windowSize - (offset - m_windowStart);
    if (!inWindow) {
        m_window.resize(kWindowSize);
        m_windowStart = offset;
        m_windowSize = 0;
        if (!m_readAt(m_file, offset, m_window.data(), kWindowSize, &read)) {
            return 0;
        }
        m_windowSize = read;
    }
    const unsigned long at = offset - m_windowStart;
    const unsigned long available = m_windowSize - at;
    const unsigned long copied = count < available ? count : available;
    std::memcpy(buffer, m_window.data() + at, copied);
    return copied;
}
