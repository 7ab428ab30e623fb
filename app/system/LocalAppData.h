#pragma once

#include <string>

// The current user's local application data folder, without a trailing
// separator; empty when it is unknown.
std::wstring LocalAppDataFolder();
