#include "ui/core/gdi/UIImageResample.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "ui/core/gdi/UIDibSurface.h"

namespace SkinUI {
namespace Render {

namespace {

constexpr int kChannels = 4;

// The source samples and their weights that make one output sample.
struct Contribution {
    int first = 0;
    std::vector<float> weights;
};

// A triangle filter one output pixel wide when enlarging and one source pixel
// per output pixel when shrinking, weights normalised at the edges.
std::vector<Contribution> Contributions(int sourceLength, int targetLength) {
    std::vector<Contribution> result(static_cast<size_t>(targetLength));
    const double scale = static_cast<double>(targetLength) / sourceLength;
    const double support = scale < 1.0 ? 1.0 / scale : 1.0;
    for (int target = 0; target < targetLength; ++target) {
        const double centre = (target + 0.5) / scale - 0.5;
        const int first = std::max(0, static_cast<int>(std::floor(centre - support)) + 1);
        const int last = std::min(sourceLength - 1, static_cast<int>(std::ceil(centre + support)) - 1);
        Contribution& contribution = result[static_cast<size_t>(target)];
        contribution.first = first;
        double total = 0.0;
        for (int source = first; source <= last; ++source) {
            const double weight = std::max(0.0, 1.0 - std::fabs(source - centre) / support);
            contribution.weights.push_back(static_cast<float>(weight));
            total += weight;
        }
        if (contribution.weights.empty()) {
            contribution.first = std::clamp(static_cast<int>(std::lround(centre)), 0, sourceLength - 1);
            contribution.weights.push_back(1.0f);
            total = 1.0;
        }
        for (float& weight : contribution.weights) {
            weight = static_cast<float>(weight / total);
        }
    }
    return result;
}

BYTE ToByte(float value) {
    return static_cast<BYTE>(std::clamp(value + 0.5f, 0.0f, 255.0f));
}

}  // namespace

HBITMAP ResampleImage(const BYTE* bits, int width, int height, int newWidth, int newHeight) {
    if (bits == nullptr || width <= 0 || height <= 0 || newWidth <= 0 || newHeight <= 0) {
        return nullptr;
    }
    LPBYTE target = nullptr;
    HBITMAP bitmap = CreateDib32(newWidth, newHeight, DibRows::TopDown, &target);
    if (bitmap == nullptr) {
        return nullptr;
    }
    // Premultiplied pixels blend linearly: first across, then down.
    const std::vector<Contribution> columns = Contributions(width, newWidth);
    const std::vector<Contribution> rows = Contributions(height, newHeight);
    std::vector<float> across(static_cast<size_t>(newWidth) * height * kChannels, 0.0f);
    for (int y = 0; y < height; ++y) {
        const BYTE* sourceRow = bits + static_cast<size_t>(y) * width * kChannels;
        float* row = across.data() + static_cast<size_t>(y) * newWidth * kChannels;
        for (int x = 0; x < newWidth; ++x) {
            const Contribution& contribution = columns[static_cast<size_t>(x)];
            for (size_t k = 0; k < contribution.weights.size(); ++k) {
                const BYTE* pixel =
                    sourceRow + static_cast<size_t>(contribution.first + static_cast<int>(k)) * kChannels;
                for (int channel = 0; channel < kChannels; ++channel) {
                    row[x * kChannels + channel] += contribution.weights[k] * pixel[channel];
                }
            }
        }
    }
    for (int y = 0; y < newHeight; ++y) {
        const Contribution& contribution = rows[static_cast<size_t>(y)];
        BYTE* targetRow = target + static_cast<size_t>(y) * newWidth * kChannels;
        for (int x = 0; x < newWidth * kChannels; ++x) {
            float value = 0.0f;
            for (size_t k = 0; k < contribution.weights.size(); ++k) {
                value += contribution.weights[k] *
                         across[static_cast<size_t>(contribution.first + static_cast<int>(k)) * newWidth * kChannels +
                                static_cast<size_t>(x)];
            }
            targetRow[x] = ToByte(value);
        }
    }
    return bitmap;
}

}  // namespace Render
}  // namespace SkinUI
