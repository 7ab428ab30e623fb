#include "ui/core/xml/XmlDocument.h"

#include <climits>
#include <cstdlib>
#include <cwchar>

#include "ui/core/base/UIString.h"
#include "ui/core/base/UIUtf8.h"
#include "ui/core/resources/UIArchive.h"
#include "ui/core/resources/UIResourceLocation.h"
#include "ui/core/xml/XmlScan.h"

namespace SkinUI {

namespace {

// Skins are small; anything bigger is refused before it is read.
constexpr size_t kMaxDocumentBytes = 4u * 1024u * 1024u;
// Offsets in the element table are 32-bit, and the system converter counts in int.
constexpr size_t kMaxTextUnits = INT_MAX;

class CFileHandle {
public:
    explicit CFileHandle(HANDLE handle) : m_handle(handle) {}
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;
    ~CFileHandle() {
        if (m_handle != INVALID_HANDLE_VALUE) {
            CloseHandle(m_handle);
        }
    }
    HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle;
};

class CByteBuffer {
public:
    explicit CByteBuffer(size_t size) : m_bytes(static_cast<BYTE*>(std::malloc(size))) {}
    CByteBuffer(const CByteBuffer&) = delete;
    CByteBuffer& operator=(const CByteBuffer&) = delete;
    ~CByteBuffer() { std::free(m_bytes); }
    BYTE* Get() const { return m_bytes; }

private:
    BYTE* m_bytes;
};

WCHAR* ConvertCodePage(UINT codePage, const BYTE* bytes, size_t byteCount, size_t* length) {
    const int count = static_cast<int>(byteCount);
    const LPCSTR source = reinterpret_cast<LPCSTR>(bytes);
    const int needed = count == 0 ? 0 : MultiByteToWideChar(codePage, 0, source, count, nullptr, 0);
    WCHAR* text = AllocateXmlText(static_cast<size_t>(needed));
    if (text == nullptr) {
        return nullptr;
    }
    const int converted = needed == 0 ? 0 : MultiByteToWideChar(codePage, 0, source, count, text, needed);
    text[converted] = L'\0';
    *length = static_cast<size_t>(converted);
    return text;
}

WCHAR* ConvertUtf8(const BYTE* bytes, size_t byteCount, size_t* length) {
    if (byteCount >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        bytes += 3;
        byteCount -= 3;
    }
    // UTF-8 never needs more UTF-16 units than bytes.
    WCHAR* text = AllocateXmlText(byteCount);
    if (text == nullptr) {
        return nullptr;
    }
    const ptrdiff_t converted = ConvertWellFormedUtf8(bytes, byteCount, text);
    if (converted < 0) {
        std::free(text);
        return ConvertCodePage(CP_UTF8, bytes, byteCount, length);
    }
    text[converted] = L'\0';
    *length = static_cast<size_t>(converted);
    return text;
}

// With a byte-order mark either order is read; without one the text is taken
// as little-endian. Big-endian text is swapped in the copy: the caller's
// bytes may be read-only.
WCHAR* ConvertUtf16(const BYTE* bytes, size_t byteCount, size_t* length) {
    bool bigEndian = false;
    if (byteCount >= 2 && ((bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] == 0xFE && bytes[1] == 0xFF))) {
        bigEndian = bytes[0] == 0xFE;
        bytes += 2;
        byteCount -= 2;
    }
    const size_t count = byteCount / 2;
    WCHAR* text = AllocateXmlText(count);
    if (text == nullptr) {
        return nullptr;
    }
    for (size_t i = 0; i < count; ++i) {
        const BYTE first = bytes[2 * i];
        const BYTE second = bytes[2 * i + 1];
        text[i] = bigEndian ? static_cast<WCHAR>((first << 8) | second) : static_cast<WCHAR>((second << 8) | first);
    }
    text[count] = L'\0';
    *length = count;
    return text;
}

}  // namespace

CXmlDocument::CXmlDocument(LPCWSTR text)
    : m_xml(nullptr), m_textLength(0), m_elements(nullptr), m_elementCount(0), m_elementCapacity(0) {
    m_errorMessage[0] = L'\0';
    m_errorLocation[0] = L'\0';
    if (text != nullptr) {
        Load(text);
    }
}

CXmlDocument::~CXmlDocument() {
    Release();
}

void CXmlDocument::Release() {
    std::free(m_xml);
    m_xml = nullptr;
    m_textLength = 0;
    std::free(m_elements);
    m_elements = nullptr;
    m_elementCount = 0;
    m_elementCapacity = 0;
}

CXmlNode CXmlDocument::GetRoot() const {
    if (m_elementCount < 2) {
        return CXmlNode();
    }
    return CXmlNode(this, 1);
}

const XmlElement* CXmlDocument::GetElement(UINT index) const {
    return index < m_elementCount ? &m_elements[index] : nullptr;
}

bool CXmlDocument::TakeText(WCHAR* text, size_t length) {
    if (text == nullptr) {
        return Fail(L"Out of memory");
    }
    m_xml = text;
    m_textLength = length;
    if (!Parse()) {
        Release();
        return false;
    }
    return true;
}

bool CXmlDocument::Load(LPCWSTR text) {
    Release();
    if (text == nullptr) {
        text = L"";
    }
    const size_t length = std::wcslen(text);
    if (length > kMaxTextUnits) {
        return Fail(L"File too large");
    }
    WCHAR* copy = AllocateXmlText(length);
    if (copy != nullptr) {
        std::wmemcpy(copy, text, length + 1);
    }
    return TakeText(copy, length);
}

bool CXmlDocument::LoadFromMemory(const void* bytes, size_t byteCount, XmlEncoding encoding) {
    Release();
    if (bytes == nullptr) {
        byteCount = 0;
    }
    if (byteCount > kMaxTextUnits) {
        return Fail(L"File too large");
    }
    const BYTE* source = static_cast<const BYTE*>(bytes);
    size_t length = 0;
    WCHAR* text = nullptr;
    switch (encoding) {
    case XmlEncodingUtf16:
        text = ConvertUtf16(source, byteCount, &length);
        break;
    case XmlEncodingAnsi:
        text = ConvertCodePage(CP_ACP, source, byteCount, &length);
        break;
    case XmlEncodingUtf8:
    default:
        text = ConvertUtf8(source, byteCount, &length);
        break;
    }
    return TakeText(text, length);
}

bool CXmlDocument::LoadFromFile(LPCWSTR name, XmlEncoding encoding) {
    Release();
    if (name == nullptr) {
        name = L"";
    }
    if (CResourceLocation::GetResourceZip().IsEmpty()) {
        return LoadFromFolder(name, encoding);
    }
    return LoadFromArchive(name, encoding);
}

bool CXmlDocument::LoadFromFolder(LPCWSTR name, XmlEncoding encoding) {
    const CUIString path = CResourceLocation::GetResourcePath() + name;
    CFileHandle file(
        CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE) {
        return Fail(L"Error opening file");
    }
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size)) {
        return Fail(L"Could not read file");
    }
    if (size.QuadPart == 0) {
        return Fail(L"File is empty");
    }
    if (size.QuadPart > static_cast<LONGLONG>(kMaxDocumentBytes)) {
        return Fail(L"File too large");
    }
    const DWORD byteCount = static_cast<DWORD>(size.QuadPart);
    CByteBuffer bytes(byteCount);
    if (bytes.Get() == nullptr) {
        return Fail(L"Out of memory");
    }
    DWORD read = 0;
    if (!ReadFile(file.Get(), bytes.Get(), byteCount, &read, nullptr) || read < byteCount) {
        return Fail(L"Could not read file");
    }
    return LoadFromMemory(bytes.Get(), byteCount, encoding);
}

bool CXmlDocument::LoadFromArchive(LPCWSTR name, XmlEncoding encoding) {
    CResourceZipAccess archive;
    if (archive.Get() == nullptr) {
        return Fail(L"Error opening zip file");
    }
    ArchiveEntry entry;
    if (FindArchiveItem(archive.Get(), name, &entry) != ArchiveOk) {
        return Fail(L"Could not find ziped file");
    }
    if (entry.size == 0) {
        return Fail(L"File is empty");
    }
    if (entry.size > kMaxDocumentBytes) {
        return Fail(L"File too large");
    }
    CByteBuffer bytes(entry.size);
    if (bytes.Get() == nullptr) {
        return Fail(L"Out of memory");
    }
    const ArchiveResult result = ExtractArchiveItem(archive.Get(), entry.index, bytes.Get(), entry.size);
    if (result != ArchiveOk && result != ArchiveBufferFull) {
        return Fail(L"Could not unzip file");
    }
    return LoadFromMemory(bytes.Get(), entry.size, encoding);
}

}  // namespace SkinUI
