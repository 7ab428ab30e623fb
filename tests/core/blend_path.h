#pragma once

// Runs drawing tests once through msimg32's AlphaBlend and GradientFill and
// once through the framework's own replacements.
#include <gtest/gtest.h>

#include <string>

#include "ui/core/gdi/UIMsimg32.h"

enum class BlendPath { System, Framework };

class ScopedBlendPath {
public:
    explicit ScopedBlendPath(BlendPath path) {
        const bool system = path == BlendPath::System;
        m_alphaBlend = SkinUI::Render::SetAlphaBlendFunction(system ? SkinUI::Render::SystemAlphaBlend() : nullptr);
        m_gradientFill =
            SkinUI::Render::SetGradientFillFunction(system ? SkinUI::Render::SystemGradientFill() : nullptr);
    }
    ~ScopedBlendPath() {
        SkinUI::Render::SetAlphaBlendFunction(m_alphaBlend);
        SkinUI::Render::SetGradientFillFunction(m_gradientFill);
    }
    ScopedBlendPath(const ScopedBlendPath&) = delete;
    ScopedBlendPath& operator=(const ScopedBlendPath&) = delete;

private:
    SkinUI::Render::AlphaBlendFunction m_alphaBlend;
    SkinUI::Render::GradientFillFunction m_gradientFill;
};

class BlendPathTest : public ::testing::TestWithParam<BlendPath> {
protected:
    BlendPathTest() : m_path(GetParam()) {}

private:
    ScopedBlendPath m_path;
};

inline std::string BlendPathName(const ::testing::TestParamInfo<BlendPath>& info) {
    return info.param == BlendPath::System ? "Msimg32" : "Framework";
}

#define INSTANTIATE_BLEND_PATHS(suite)                                                                     \
    INSTANTIATE_TEST_SUITE_P(BothPaths, suite, ::testing::Values(BlendPath::System, BlendPath::Framework), \
                             BlendPathName)
