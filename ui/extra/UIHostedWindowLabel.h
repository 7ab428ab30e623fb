#pragma once
// A label over which a native window lies while it is in use (the edit box's
// system edit, the date picker): the window follows the label, and closes
// when the label or one of its ancestors is hidden, or the label disabled.
#include <windows.h>

#include "ui/controls/UILabel.h"

namespace SkinUI {

class CHostedWindowLabelUI : public CLabelUI {
public:
    void SetPos(RECT rect, bool needInvalidate = true) override;
    void Move(SIZE offset, bool needInvalidate = true) override;
    void SetVisible(bool visible = true) override;
    void SetAncestorVisible(bool visible) override;
    void SetEnabled(bool enabled = true) override;

protected:
    // What every hosted-window label does alike with an event: a mouse event
    // of a label that takes no mouse input goes to its parent; the I-beam
    // cursor; a new layout asks for the focus again (it moves the open
    // window); the wheel does not scroll under the open window. True when
    // the event was handled so.
    bool HandleCommonEvent(UIEvent& event);
    // Moves the open window over the label's new place; nothing without one.
    virtual void PlaceHostedWindow() = 0;
    // Ends the open window at once; nothing without one.
    virtual void CloseHostedWindow() = 0;
};

}  // namespace SkinUI
