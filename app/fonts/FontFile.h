#pragma once
// A font file opened by FreeType through ReadFile rather than a memory
// mapping: a file on a stick or share that goes away mid-read then fails the
// read instead of ending the process with an in-page error.
#include <windows.h>

#include <string>
#include <vector>

#include <ft2build.h>
#include FT_FREETYPE_H

// Reads up to `count` bytes at `offset` of `file` into `buffer`; false on an
// I/O error. ReadFileAt by default; tests put a failing read in its place.
using FileReadAt = bool (*)(HANDLE file, unsigned long offset, void* buffer, unsigned long count, DWORD* read);
bool ReadFileAt(HANDLE file, unsigned long offset, void* buffer, unsigned long count, DWORD* read);

class FontFileFace {
public:
    // Opens face `index` of the file at `path`; Face() is null when the file
    // cannot be opened or read as a font.
    FontFileFace(FT_Library library, const std::wstring& path, FileReadAt readAt = &ReadFileAt, FT_Long index = 0);
    ~FontFileFace();
    FontFileFace(const FontFileFace&) = delete;
    FontFileFace& operator=(const FontFileFace&) = delete;

    FT_Face Face() const { return m_face; }

private:
    static unsigned long Read(FT_Stream stream, unsigned long offset, unsigned char* buffer, unsigned long count);
    unsigned long ReadThroughWindow(unsigned long offset, unsigned char* buffer, unsigned long count);

    HANDLE m_file = INVALID_HANDLE_VALUE;
    FileReadAt m_readAt;
    FT_StreamRec m_stream = {};
    FT_Face m_face = nullptr;
    // FreeType reads a table directory a few bytes at a time: small reads come
    // from one larger read of the file instead of a system call each.
    std::vector<unsigned char> m_window;
    unsigned long m_windowStart = 0;
    unsigned long m_windowSize = 0;
};
