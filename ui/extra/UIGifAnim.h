#pragma once

#include <windows.h>

#include <memory>

#include "ui/core/base/UIString.h"
#include "ui/core/control/UIControl.h"
#include "ui/extra/UIGifFrames.h"

namespace SkinUI {

// An animated image: the frames of a GIF drawn stretched over the control,
// stepped by a control timer at the delays the file gives. A still image is
// drawn and never starts the timer. Nothing else of the control is painted.
class CGifAnimUI : public CControlUI {
public:
    // The control timer that steps the frames.
    static constexpr UINT kFrameTimerId = 100;

    CGifAnimUI() = default;
    ~CGifAnimUI() override;

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;
    // Showing plays, hiding stops and rewinds.
    void SetVisible(bool visible = true) override;
    void DoInit() override;
    // Only the frame timer: no other event does anything here or reaches the parent.
    void DoEvent(UIEvent& event) override;
    void SetAttribute(LPCWSTR name, LPCWSTR value) override;
    bool DoPaint(HDC dc, const RECT& paintRect, CControlUI* stopControl) override;

    // Starts the frame timer from the current frame; nothing for a still
    // image, one without delays, or a control without a manager.
    void Play();
    // Stops the timer and rewinds to the first frame.
    void Stop();
    // The file to show: under the resource folder, in the resource archive or
    // a plain path. A new name is read at the next paint.
    void SetBkImage(LPCWSTR name);

private:
    // Reads the image once per name: a missing or broken file is not read
    // again at every paint.
    void Load();

    std::unique_ptr<CGifFrames> m_frames;
    UINT m_frame = 0;
    CUIString m_imageName;
    bool m_autoPlay = true;
    bool m_autoSize = false;
    bool m_playing = false;
    bool m_loadTried = false;
};

}  // namespace SkinUI
