#include "ui/core/render/UIScaledImage.h"

#include <cwchar>

#include "ui/core/base/UIDpi.h"
#include "ui/core/gdi/UIImageKeeper.h"
#include "ui/core/gdi/UIImageResample.h"
#include "ui/core/gdi/UINineGridCache.h"
#include "ui/core/resources/UIImageDecode.h"

// The double-size variant comes from the window's image tables.
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

namespace {

RECT ClampToSize(RECT rect, int width, int height) {
    rect.right = rect.right < width ? rect.right : width;
    rect.bottom = rect.bottom < height ? rect.bottom : height;
    return rect;
}

const ImageEntry* FindDoubleSize(CUIManager& manager, ImageDrawInfo& info) {
    if (!info.doubleSizeAttempted) {
        info.doubleSizeAttempted = true;
        ImageDrawInfo parsed;
        ImageSourceRequest request;
        ParseImageAttributes(info.text.c_str(), &parsed, &request);
        LPCWSTR type = request.LoadType();
        if (type == nullptr || std::wcscmp(type, Render::kColorImageType) != 0) {
            info.doubleSize = manager.GetOrLoadImage(DoubleSizeName(request.name), type, request.mask, false);
        }
    }
    return info.doubleSize;
}

HBITMAP ScaledBitmap(ImageEntry& image, const ImageEntry* doubleSize, int dpi) {
    if (image.scaledBitmap != nullptr && image.scaledDpi == dpi) {
        return image.scaledBitmap;
    }
    const ImageEntry& from = doubleSize != nullptr && doubleSize->bits != nullptr ? *doubleSize : image;
    const int width = ScaleLength(image.width, dpi);
    const int height = ScaleLength(image.height, dpi);
    HBITMAP scaled = Render::ResampleImage(from.bits, from.width, from.height, width, height);
    if (scaled == nullptr) {
        return nullptr;
    }
    if (image.scaledBitmap != nullptr) {
        Render::ForgetComposedImages(image.scaledBitmap);
        Render::CImageKeeper::Delete(image.scaledBitmap);
    }
    image.scaledBitmap = scaled;
    image.scaledDpi = dpi;
    image.scaledWidth = width;
    image.scaledHeight = height;
    return scaled;
}

}  // namespace

CUIString DoubleSizeName(LPCWSTR name) {
    const CUIString whole(name != nullptr ? name : L"");
    LPCWSTR text = whole;
    LPCWSTR dot = std::wcsrchr(text, L'.');
    LPCWSTR separator = std::wcsrchr(text, L'\\');
    LPCWSTR slash = std::wcsrchr(text, L'/');
    if (slash != nullptr && (separator == nullptr || slash > separator)) {
        separator = slash;
    }
    if (dot == nullptr || (separator != nullptr && dot < separator)) {
        return whole + L"@2x";
    }
    CUIString result;
    result.Assign(text, static_cast<int>(dot - text));
    return result + L"@2x" + dot;
}

bool ScaleImagePart(CUIManager& manager, ImageDrawInfo& info, const RECT& source, ScaledImagePart* part) {
    ImageEntry& image = *info.image;
    const int dpi = manager.GetDpi();
    if (dpi == kBaseDpi) {
        *part = ScaledImagePart{image.bitmap, source, info.corner};
        return image.bitmap != nullptr;
    }
    HBITMAP bitmap = ScaledBitmap(image, FindDoubleSize(manager, info), dpi);
    if (bitmap == nullptr) {
        return false;
    }
    part->bitmap = bitmap;
    part->source = ClampToSize(ScaleRect(source, dpi), image.scaledWidth, image.scaledHeight);
    part->corner = ScaleRect(info.corner, dpi);
    return true;
}

}  // namespace SkinUI
