#pragma once

namespace SkinUI {

// GDI+ belongs to the process, not to whichever control draws with it: the
// first user starts it and it is shut down after the last user is gone, so
// one control's end cannot pull it from under another. GUI thread only.
class CGdiPlusUser {
public:
    CGdiPlusUser();
    CGdiPlusUser(const CGdiPlusUser&) = delete;
    CGdiPlusUser& operator=(const CGdiPlusUser&) = delete;
    ~CGdiPlusUser();

    // False when GDI+ could not be started; such a user holds no reference.
    bool IsStarted() const { return m_started; }

private:
    bool m_started;
};

// How many users hold GDI+ running now.
int GdiPlusUserCount();

}  // namespace SkinUI
