#pragma once

#include <windows.h>

#include <memory>

#include "ui/core/manager/UIManager.h"
#include "ui/core/window/UILayoutBuilder.h"
#include "ui/core/window/UINotifyPump.h"
#include "ui/core/window/UIWindowWnd.h"

namespace SkinUI {

// How a window finds its skin (GetResourceType).
enum UISkinSource {
    UISKIN_FILE = 1,              // GetSkinFile() under the resource folder
    UISKIN_ARCHIVE_FILE = 2,      // an item of the archive GetZipFileName() under the resource folder
    UISKIN_RESOURCE = 3,          // GetSkinFile() is the number of a program resource of type "xml"
    UISKIN_ARCHIVE_RESOURCE = 4,  // an item of the archive held in the "ZIPRES" resource GetResourceId()
};

// A borderless skinned window: builds its control tree from a skin on
// creation, then drags by its caption, resizes by its size box, rounds its
// corners, maximises to the work area, serves the system buttons and closes
// on Escape. Application windows derive from it.
class WindowImplBase : public CWindowWnd,
                       public CNotifyPump,
                       public INotifyUI,
                       public IMessageFilterUI,
                       public IDialogBuilderCallback {
public:
    WindowImplBase() = default;
    ~WindowImplBase() override = default;

    void Notify(NotifyMsg& msg) override;
    LRESULT MessageHandler(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    CControlUI* CreateControl(LPCWSTR className) override;
    const NotifyMap* GetNotifyMap() const override;
    static const NotifyMap* ClassNotifyMap();

    CUIManager& GetManager() { return m_manager; }

protected:
    UINT GetClassStyle() const override;
    void PrepareCreation(DWORD& style, int& width, int& height) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND hwnd) override;

    virtual void InitWindow();
    virtual void OnClick(NotifyMsg& msg);
    virtual CUIString GetSkinFolder() = 0;
    virtual CUIString GetSkinFile() = 0;
    virtual LRESULT ResponseDefaultKeyEvent(WPARAM wParam);
    virtual int GetResourceType() const;
    virtual CUIString GetZipFileName() const;
    virtual LPCWSTR GetResourceId() const;

    virtual LRESULT OnClose(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnDestroy(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnNcActivate(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnNcCalcSize(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnNcPaint(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnNcHitTest(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnGetMinMaxInfo(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnMouseWheel(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnMouseHover(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnSize(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnChar(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnSysCommand(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnCreate(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnKeyDown(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnKillFocus(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnSetFocus(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnLButtonDown(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnLButtonUp(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnMouseMove(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    // Every message that none of the handlers above takes.
    virtual LRESULT HandleCustomMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual UINT GetStyle() const;

    CUIManager m_manager;

private:
    enum class Resources { kNotAsked, kReady, kMissing };

    bool PrepareResourceLocation();
    // The resource folder or archive is set up once, whichever of
    // PrepareCreation and OnCreate comes first.
    bool ResourcesReady();
    bool LoadSkin(CLayoutBuilder& builder);
    CControlUI* BuildSkin();

    Resources m_resources = Resources::kNotAsked;
    // The skin PrepareCreation loaded, for OnCreate to build.
    std::unique_ptr<CLayoutBuilder> m_loadedSkin;
};

}  // namespace SkinUI
