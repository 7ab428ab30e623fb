#include "ui/extra/UIGifAnim.h"

#include <cwchar>
#include <utility>

#include "ui/core/base/UIValueParse.h"
#include "ui/core/manager/UIManager.h"
#include "ui/core/resources/UIResourceLoader.h"

namespace SkinUI {

CGifAnimUI::~CGifAnimUI() {
    if (m_manager != nullptr) {
        m_manager->KillTimer(this, kFrameTimerId);
    }
}

LPCWSTR CGifAnimUI::GetClass() const {
    return L"GifAnim";
}

LPVOID CGifAnimUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && std::wcscmp(name, L"GifAnim") == 0) {
        return this;
    }
    return CControlUI::GetInterface(name);
}

void CGifAnimUI::SetVisible(bool visible) {
    CControlUI::SetVisible(visible);
    if (visible) {
        Play();
    } else {
        Stop();
    }
}

void CGifAnimUI::DoInit() {
    Load();
}

void CGifAnimUI::DoEvent(UIEvent& event) {
    // A tick can only be trusted while playing: only then are there frames to step.
    if (event.type != UIEVENT_TIMER || event.wParam != kFrameTimerId || !m_playing || m_manager == nullptr) {
        return;
    }
    m_manager->KillTimer(this, kFrameTimerId);
    Invalidate();
    m_frame = (m_frame + 1) % m_frames->FrameCount();
    m_playing = m_manager->SetTimer(this, kFrameTimerId, m_frames->DelayOf(m_frame));
}

void CGifAnimUI::SetAttribute(LPCWSTR name, LPCWSTR value) {
    if (IsName(name, L"bkimage")) {
        SetBkImage(value);
    } else if (IsName(name, L"autoplay")) {
        m_autoPlay = ParseBool(value);
    } else if (IsName(name, L"autosize")) {
        m_autoSize = ParseBool(value);
    } else {
        CControlUI::SetAttribute(name, value);
    }
}

bool CGifAnimUI::DoPaint(HDC dc, const RECT& /*paintRect*/, CControlUI* /*stopControl*/) {
    Load();
    if (m_frames != nullptr) {
        m_frames->Draw(dc, m_itemRect, m_frame);
    }
    return true;
}

void CGifAnimUI::Play() {
    if (m_playing || m_frames == nullptr || !m_frames->IsAnimated() || m_manager == nullptr) {
        return;
    }
    m_playing = m_manager->SetTimer(this, kFrameTimerId, m_frames->DelayOf(m_frame));
}

void CGifAnimUI::Stop() {
    if (!m_playing) {
        return;
    }
    if (m_manager != nullptr) {
        m_manager->KillTimer(this, kFrameTimerId);
    }
    m_frame = 0;
    Invalidate();
    m_playing = false;
}

void CGifAnimUI::SetBkImage(LPCWSTR name) {
    if (name == nullptr || m_imageName == name) {
        return;
    }
    m_imageName = name;
    Stop();
    m_frames.reset();
    m_frame = 0;
    m_loadTried = false;
    Invalidate();
}

void CGifAnimUI::Load() {
    if (m_frames != nullptr || m_loadTried || m_imageName.IsEmpty()) {
        return;
    }
    m_loadTried = true;
    const ResourceBytes bytes = ReadNamedFileOrPath(m_imageName.GetData());
    if (bytes.empty()) {
        return;
    }
    auto frames = std::make_unique<CGifFrames>();
    if (!frames->Load(bytes.data(), bytes.size())) {
        return;
    }
    m_frames = std::move(frames);
    if (m_autoSize) {
        SetFixedWidth(m_frames->Width());
        SetFixedHeight(m_frames->Height());
    }
    if (m_autoPlay) {
        Play();
    }
}

}  // namespace SkinUI
