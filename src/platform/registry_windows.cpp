// The settings store on Windows: string values in the registry, where Windows programs
// keep their application/section/key values.
#include <windows.h>

#include "platform/os.h"

namespace stapelwerk::os {

const bool kHasSettingsStore = true;

namespace {
std::wstring wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text.data(), length);
    return text;
}

std::string utf8(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

std::wstring sectionKey(const std::string& application, const std::string& section) {
    return L"Software\\VB and VBA Program Settings\\" + wide(application) + L"\\" + wide(section);
}

std::error_code windowsError(LSTATUS status) {
    return {static_cast<int>(status), std::system_category()};
}
}  // namespace

std::optional<std::string> readStoredSetting(const std::string& application,
                                             const std::string& section, const std::string& key) {
    const std::wstring subkey = sectionKey(application, section);
    const std::wstring name = wide(key);
    // The size is asked first; a value written between the two calls only costs a retry.
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD bytes = 0;
        LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, subkey.c_str(), name.c_str(),
                                      RRF_RT_REG_SZ, nullptr, nullptr, &bytes);
        if (status != ERROR_SUCCESS) return std::nullopt;
        std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        status = RegGetValueW(HKEY_CURRENT_USER, subkey.c_str(), name.c_str(), RRF_RT_REG_SZ,
                              nullptr, text.data(), &bytes);
        if (status == ERROR_MORE_DATA) continue;
        if (status != ERROR_SUCCESS) return std::nullopt;
        // RegGetValueW counts and writes the final null.
        text.resize(bytes / sizeof(wchar_t));
        if (!text.empty() && text.back() == L'\0') text.pop_back();
        return utf8(text);
    }
    return std::nullopt;
}

bool writeStoredSetting(const std::string& application, const std::string& section,
                        const std::string& key, const std::string& value, std::error_code& error) {
    HKEY handle = nullptr;
    LSTATUS status =
        RegCreateKeyExW(HKEY_CURRENT_USER, sectionKey(application, section).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &handle, nullptr);
    if (status != ERROR_SUCCESS) {
        error = windowsError(status);
        return false;
    }
    const std::wstring text = wide(value);
    status = RegSetValueExW(handle, wide(key).c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    if (status != ERROR_SUCCESS) {
        error = windowsError(status);
        return false;
    }
    error.clear();
    return true;
}

}  // namespace stapelwerk::os
