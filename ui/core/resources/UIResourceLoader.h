#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

namespace SkinUI {

// Where skin and image bytes come from: the program's resources, files under
// the resource folder, items of the resource archive, or a plain path. Every
// reader gives an empty vector when there are no bytes to give, including
// for a resource, file or item of size 0.
typedef std::vector<unsigned char> ResourceBytes;

// What FindResourceW takes for a resource number, or null when the number
// lies outside 1 to 65535.
LPCWSTR ResourceNameFromNumber(unsigned long number);
// A text that starts with a decimal digit names a resource number (the value
// of its leading digits, null when out of range); any other text, and a
// number's double-size variant ("110@2x"), is a name.
LPCWSTR ResourceNameFromText(LPCWSTR text);

struct ResourceView {
    const void* data = nullptr;
    size_t size = 0;
};

// The locked bytes of a resource of `module`, read in place; they stay valid
// while the module is loaded. False for a missing, unloadable or empty
// resource. `name` and `type` are texts or numbers made by MAKEINTRESOURCE.
bool FindResourceBytes(HMODULE module, LPCWSTR name, LPCWSTR type, ResourceView* view);
// A copy of a resource's bytes.
ResourceBytes ReadResource(HMODULE module, LPCWSTR name, LPCWSTR type);

// `name` under the resource folder, or the item of that name in the resource
// archive when one is configured (looked up ignoring case).
ResourceBytes ReadNamedFile(LPCWSTR name);
// The whole file at `path`, as it is.
ResourceBytes ReadPlainPath(LPCWSTR path);
// How skins name image files: ReadNamedFile, and when that gives nothing the
// name as a plain path.
ResourceBytes ReadNamedFileOrPath(LPCWSTR name);

// Makes the "ZIPRES" resource `name` of the program the resource archive, held
// in memory for the rest of the process. False when the resource is missing,
// cannot be loaded or is empty.
bool UseArchiveResource(LPCWSTR name);

}  // namespace SkinUI
