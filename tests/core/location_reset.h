#pragma once

#include "ui/core/resources/UIResourceLocation.h"

// Tests share the process-wide resource location: each starts from no folder
// and no archive and leaves it that way. Declare it after the files and
// buffers an archive is opened on, so that it closes the archive first.
class LocationReset {
public:
    LocationReset() : m_instance(SkinUI::CResourceLocation::GetInstance()) { Reset(); }
    ~LocationReset() {
        Reset();
        SkinUI::CResourceLocation::SetInstance(m_instance);
    }
    LocationReset(const LocationReset&) = delete;
    LocationReset& operator=(const LocationReset&) = delete;

private:
    static void Reset() {
        SkinUI::CResourceLocation::SetResourceZip(L"", true);
        SkinUI::CResourceLocation::SetResourcePath(L"");
    }

    HINSTANCE m_instance;
};
